#include "editor/qtbridge/QtCp1251.h"

#include "editor/base/Cp1251.h"

#include <QList>

namespace varlo {

namespace {

// Calls `put` with the byte of every character the code page holds and `unheld` for the others;
// stops early when `unheld` returns false.
template <class Put, class Unheld> void encode(const QString& text, Put put, Unheld unheld) {
    for (const char32_t cp : text.toUcs4()) {
        const int b = cp1251::fromUnicode(cp);
        if (b >= 0)
            put(static_cast<char>(b));
        else if (!unheld())
            return;
    }
}

} // namespace

QString fromBytes(std::string_view cp1251) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1251.size()));
    for (const char b : cp1251)
        out.append(QChar(cp1251::toUnicode(static_cast<unsigned char>(b))));
    return out;
}

std::string toBytes(const QString& text, Unheld unheld) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    encode(
        text, [&](char b) { out.push_back(b); },
        [&] {
            if (unheld == Unheld::Question)
                out.push_back('?');
            return true;
        });
    return out;
}

std::optional<std::string> toBytesExactly(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    bool held = true;
    encode(
        text, [&](char b) { out.push_back(b); },
        [&] {
            held = false;
            return false;
        });
    if (!held)
        return std::nullopt;
    return out;
}

} // namespace varlo
