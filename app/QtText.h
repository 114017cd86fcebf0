#pragma once

// Windows-1251 bytes at the Qt edge: captions, titles, message texts and the paths kept in
// profile files.

#include <QString>

#include <string>
#include <string_view>

namespace varlo {

QString fromBytes(std::string_view cp1251);
// Characters that the code page cannot hold become "?".
std::string toBytes(const QString& text);

// A path as stored in a profile file: Windows-1251 when the code page holds every character of
// it, else UTF-8 (file names on this system are UTF-8, and any name must survive the trip).
std::string pathToBytes(const QString& path);
// The reverse: bytes that form valid UTF-8 with at least one non-ASCII character are read as
// UTF-8 (Windows-1251 text practically never does), anything else as Windows-1251.
QString pathFromBytes(std::string_view bytes);

} // namespace varlo
