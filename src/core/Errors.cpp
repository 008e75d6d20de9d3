#include "core/Errors.h"

#include "evaluation/Translatable.h"

#include <cerrno>
#include <cstring>

const char* const DiskFullText = VM_TRANSLATE_NOOP("Velmoria::Model", "The disk is full (%1)");
//: %1 what failed ("Cannot open file"), %2 the file, %3 the system's reason
const char* const FileErrorText = VM_TRANSLATE_NOOP("Velmoria::Model", "%1 \"%2\". %3.");
// Fixed messages of the document layer the window shows whole, for its translations.
[[maybe_unused]] const char* const FixedMessages[]
    = { VM_TRANSLATE_NOOP("Velmoria::Model", "Invalid file format."),
          VM_TRANSLATE_NOOP("Velmoria::Model", "No current item"),
          VM_TRANSLATE_NOOP("Velmoria::Model", "Languages are different."),
          VM_TRANSLATE_NOOP("Velmoria::Model", "No valid data on clipboard.") };
// The actions the readers and writers name, for the window's translations.
[[maybe_unused]] const char* const FileActions[] = { VM_TRANSLATE_NOOP("Velmoria::Model", "Cannot open file"),
    VM_TRANSLATE_NOOP("Velmoria::Model", "Cannot read file"),
    VM_TRANSLATE_NOOP("Velmoria::Model", "Cannot write file"),
    VM_TRANSLATE_NOOP("Velmoria::Model", "Cannot create file") };

bool IsDiskFull(int errorNumber)
{
    return errorNumber == ENOSPC || errorNumber == EDQUOT || errorNumber == EFBIG;
}

TSaying SystemErrorSaying(int errorNumber)
{
    TSaying text(std::string(std::strerror(errorNumber)));
    return IsDiskFull(errorNumber) ? TSaying(DiskFullText, { std::move(text) }) : text;
}

std::string SystemErrorText(int errorNumber)
{
    return SystemErrorSaying(errorNumber).Text();
}

EFileError::EFileError(const std::string& fileName, const std::string& action, int errorNumber)
    : ESaidError({ FileErrorText, { action.c_str(), fileName, SystemErrorSaying(errorNumber) } })
    , FileName_(fileName)
    , ErrorNumber_(errorNumber)
{
}

EFileError::EFileError(const std::string& fileName, TSaying message)
    : ESaidError(std::move(message))
    , FileName_(fileName)
{
}
