#pragma once
// Short reads and failed writes of a stream, as a stream reports them. The text utilities' stream
// functions raise them, and so does the file format above them.

inline constexpr const char* StreamReadError = "Stream read error";
inline constexpr const char* StreamWriteError = "Stream write error";
