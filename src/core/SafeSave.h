#pragma once
// Writing a file so that a failure never destroys the previous one: a temporary file next to the
// real target is written and synced, then renamed over it. Every writer of the program goes
// through here, so the rules below hold for saving, exporting and the command line alike.

#include <string>
#include <string_view>

// Writes the bytes to fileName. Raises EFileError naming the file on any failure; the old file is
// then byte-identical and no temporary file is left.
// - A read-only file (IsReadOnlyFile) is refused, also for the superuser.
// - A symbolic link is followed: the file it points to is written and the link stays.
// - A file with several hard links is rewritten in place, so every name keeps the new contents;
//   a complete synced copy is written first, and kept (the error names it) should the rewrite
//   fail half-way.
// - An existing file keeps its permissions (and, where allowed, its owner).
void SafeWriteFile(const std::string& fileName, std::string_view bytes);
// Reads a whole file; raises EFileError naming the file.
std::string ReadWholeFile(const std::string& fileName);
// The file a name finally refers to after following symbolic links (also a link to a file not
// yet there); the name itself when it is no link.
std::string ResolveLinks(const std::string& fileName);
