#pragma once

// Windows-1251 bytes at the Qt edge: painting aside, every conversion between the document's
// bytes (or any other Windows-1251 text) and Qt's strings goes through these.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace varlo {

QString fromBytes(std::string_view cp1251);

// What becomes of a character that the code page cannot hold.
enum class Unheld {
    Question, // a "?" stands in for it
    Skip,     // it is left out
};
std::string toBytes(const QString& text, Unheld unheld = Unheld::Question);
// Nothing when the code page cannot hold every character of the text.
std::optional<std::string> toBytesExactly(const QString& text);

} // namespace varlo
