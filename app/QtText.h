#pragma once

// The paths kept in profile files, and (from QtCp1251.h) the Windows-1251 bytes of captions,
// titles and message texts.

#include "editor/qtbridge/QtCp1251.h"

#include <QString>

#include <string>
#include <string_view>

namespace varlo {

// A path as stored in a profile file: Windows-1251 when the code page holds every character of
// it, else UTF-8 (file names on this system are UTF-8, and any name must survive the trip).
std::string pathToBytes(const QString& path);
// The reverse: bytes that form valid UTF-8 with at least one non-ASCII character are read as
// UTF-8 (Windows-1251 text practically never does), anything else as Windows-1251.
QString pathFromBytes(std::string_view bytes);

} // namespace varlo
