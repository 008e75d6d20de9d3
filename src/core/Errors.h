#pragma once
// The document layer's exception and the file-system exception; the stream errors with them.

#include "evaluation/StreamErrors.h"
#include "evaluation/Translatable.h"

#include <stdexcept>
#include <string>

// Fixed English messages of the document layer ("No current item", "Invalid file format." ...).
class EVocabFileError : public ESaidError {
public:
    // A message that may be marked VM_TRANSLATE_NOOP, or a saying.
    explicit EVocabFileError(const char* message)
        : ESaidError(TSaying(message))
    {
    }
    explicit EVocabFileError(const std::string& message)
        : EVocabFileError(message.c_str())
    {
    }
    explicit EVocabFileError(TSaying message)
        : ESaidError(std::move(message))
    {
    }
};

// The operating system's message for an error number; a full disk (or a file size limit) is
// called so in plain words, beside the system's own text (DiskFullText, %1 the system's).
std::string SystemErrorText(int errorNumber);
TSaying SystemErrorSaying(int errorNumber);
bool IsDiskFull(int errorNumber);
extern const char* const DiskFullText;
// The frame of a file error with its error number: %1 the action ("Cannot open file"), %2 the
// file's name, %3 the system's message. The window fills it in its own language.
extern const char* const FileErrorText;

// A failure of the file system: carries the operating system's message and the file name.
class EFileError : public ESaidError {
public:
    EFileError(const std::string& fileName, const std::string& action, int errorNumber);
    EFileError(const std::string& fileName, TSaying message);
    const std::string& FileName() const { return FileName_; }
    // The error number it was made with; 0 for a message of its own.
    int ErrorNumber() const { return ErrorNumber_; }

private:
    std::string FileName_;
    int ErrorNumber_ = 0;
};
