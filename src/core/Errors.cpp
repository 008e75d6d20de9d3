#include "core/Errors.h"

#include <cstring>

EFileError::EFileError(const std::string& fileName, const std::string& action, int errorNumber)
    : std::runtime_error(action + " \"" + fileName + "\". " + std::strerror(errorNumber) + ".")
    , FileName_(fileName)
{
}

EFileError::EFileError(const std::string& fileName, const std::string& message)
    : std::runtime_error(message)
    , FileName_(fileName)
{
}
