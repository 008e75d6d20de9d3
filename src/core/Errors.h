#pragma once
// The document layer's exception and the file-system exception; the stream errors with them.

#include "evaluation/StreamErrors.h"

#include <stdexcept>
#include <string>

// Fixed English messages of the document layer ("No current item", "Invalid file format." ...).
class EVocabFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The operating system's message for an error number; a full disk (or a file size limit) is
// called so in plain words, beside the system's own text.
std::string SystemErrorText(int errorNumber);

// A failure of the file system: carries the operating system's message and the file name.
class EFileError : public std::runtime_error {
public:
    EFileError(const std::string& fileName, const std::string& action, int errorNumber);
    EFileError(const std::string& fileName, const std::string& message);
    const std::string& FileName() const { return FileName_; }

private:
    std::string FileName_;
};
