#pragma once

// Windows-1251 bytes at the Qt edge: painting aside, every conversion between the document's
// bytes and Qt's strings goes through these two.

#include <QString>

#include <string>
#include <string_view>

namespace varlo {

QString fromBytes(std::string_view cp1251);
// Characters that the code page cannot hold become "?".
std::string toBytes(const QString& text);

} // namespace varlo
