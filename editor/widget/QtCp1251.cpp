#include "editor/widget/QtCp1251.h"

#include "editor/base/Cp1251.h"

#include <QList>

namespace varlo {

QString fromBytes(std::string_view cp1251) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1251.size()));
    for (const char b : cp1251)
        out.append(QChar(cp1251::toUnicode(static_cast<unsigned char>(b))));
    return out;
}

std::string toBytes(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) {
        const int b = cp1251::fromUnicode(cp);
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

} // namespace varlo
