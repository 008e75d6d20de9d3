#include "core/Errors.h"

#include <cerrno>
#include <cstring>

std::string SystemErrorText(int errorNumber)
{
    const std::string text = std::strerror(errorNumber);
    if (errorNumber == ENOSPC || errorNumber == EDQUOT || errorNumber == EFBIG)
        return "The disk is full (" + text + ")";
    return text;
}

EFileError::EFileError(const std::string& fileName, const std::string& action, int errorNumber)
    : std::runtime_error(action + " \"" + fileName + "\". " + SystemErrorText(errorNumber) + ".")
    , FileName_(fileName)
{
}

EFileError::EFileError(const std::string& fileName, const std::string& message)
    : std::runtime_error(message)
    , FileName_(fileName)
{
}
