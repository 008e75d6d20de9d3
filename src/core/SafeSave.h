#pragma once
// Writing a file so that a failure never destroys the previous one: a temporary file in the
// same folder is written, flushed and synced, then renamed over the old name.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

// Writes the bytes to fileName. Raises EFileError naming the file on any failure; the old
// file is then byte-identical and no temporary file is left.
void SafeWriteFile(const std::string& fileName, std::string_view bytes);
// The same with a writer that streams into the temporary file.
void SafeWriteFile(const std::string& fileName, const std::function<void(std::ostream&)>& writer);
// Reads a whole file; raises EFileError naming the file.
std::string ReadWholeFile(const std::string& fileName);
