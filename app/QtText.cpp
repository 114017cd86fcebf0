#include "app/QtText.h"

namespace varlo {

std::string pathToBytes(const QString& path) {
    if (auto cp = toBytesExactly(path))
        return *cp;
    const QByteArray utf8 = path.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

QString pathFromBytes(std::string_view bytes) {
    bool high = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        high = true;
        const int extra = (c & 0xE0) == 0xC0   ? 1
                          : (c & 0xF0) == 0xE0 ? 2
                          : (c & 0xF8) == 0xF0 ? 3
                                               : -1;
        if (extra < 0 || c == 0xC0 || c == 0xC1 ||
            i + static_cast<std::size_t>(extra) >= bytes.size()) {
            return fromBytes(bytes);
        }
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return fromBytes(bytes);
        i += static_cast<std::size_t>(extra) + 1;
    }
    if (!high)
        return fromBytes(bytes);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace varlo
