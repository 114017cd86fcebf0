#include "app/IniFile.h"

#include "editor/base/Cp1251.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace varlo {

namespace {

std::string_view trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return cp1251::toLower(static_cast<unsigned char>(x)) ==
                      cp1251::toLower(static_cast<unsigned char>(y));
           });
}

// The name inside "[name]" (trimmed), or false when the line is no section header.
bool headerName(std::string_view line, std::string_view& name) {
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return false;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return false;
    name = trim(line.substr(1, close - 1));
    return true;
}

bool keyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    const auto t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[')
        return false;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    return !key.empty();
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {
    QFile f(path_);
    if (QFileInfo(path_).isDir() || !f.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = f.readAll();
    std::string_view all(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    while (!all.empty()) {
        const auto end = all.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines_.emplace_back(all);
            break;
        }
        lines_.emplace_back(all.substr(0, end));
        const std::size_t skip =
            (all[end] == '\r' && end + 1 < all.size() && all[end + 1] == '\n') ? 2 : 1;
        all.remove_prefix(end + skip);
    }
}

bool IniFile::exists() const {
    return QFileInfo(path_).isFile();
}

int IniFile::findSection(std::string_view section) const {
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        std::string_view name;
        if (headerName(lines_[static_cast<std::size_t>(i)], name) && sameName(name, section))
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int header) const {
    int i = header + 1;
    std::string_view name;
    while (i < static_cast<int>(lines_.size()) &&
           !headerName(lines_[static_cast<std::size_t>(i)], name))
        ++i;
    return i;
}

int IniFile::findKey(int header, std::string_view key) const {
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        std::string_view k, v;
        if (keyLine(lines_[static_cast<std::size_t>(i)], k, v) && sameName(k, key))
            return i;
    }
    return -1;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const int header = findSection(section);
    if (header < 0)
        return std::string(fallback);
    const int at = findKey(header, key);
    if (at < 0)
        return std::string(fallback);
    std::string_view k, v;
    keyLine(lines_[static_cast<std::size_t>(at)], k, v);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

bool IniFile::parseInteger(std::string_view text, std::int64_t& value) {
    text = trim(text);
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return false;
    std::uint64_t v = 0;
    for (char c : text) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        if (v > (UINT64_MAX - static_cast<unsigned>(d)) / static_cast<unsigned>(base))
            return false;
        v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    }
    if (v > static_cast<std::uint64_t>(INT64_MAX))
        return false;
    value = negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
    return true;
}

std::int64_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int64_t fallback) const {
    std::int64_t v = 0;
    return parseInteger(readString(section, key), v) ? v : fallback;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::vector<std::string> before = lines_;
    std::string line = std::string(key) + "=" + std::string(value);
    const int header = findSection(section);
    if (header < 0) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
    } else if (const int at = findKey(header, key); at >= 0) {
        lines_[static_cast<std::size_t>(at)] = std::move(line);
    } else {
        // A new key goes after the section's last key (or right after its header), before the
        // blank and foreign lines that close the section.
        int after = header;
        const int end = sectionEnd(header);
        for (int i = header + 1; i < end; ++i) {
            std::string_view k, v;
            if (keyLine(lines_[static_cast<std::size_t>(i)], k, v))
                after = i;
        }
        lines_.insert(lines_.begin() + after + 1, std::move(line));
    }
    try {
        save();
    } catch (...) {
        lines_ = std::move(before);
        throw;
    }
}

void IniFile::writeInteger(std::string_view section, std::string_view key, std::int64_t value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::save() const {
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly))
        throw IniWriteError("cannot write " + path_.toStdString());
    std::string all;
    for (const std::string& l : lines_) {
        all += l;
        all += "\r\n";
    }
    if (f.write(all.data(), static_cast<qint64>(all.size())) != static_cast<qint64>(all.size()) ||
        !f.commit())
        throw IniWriteError("cannot write " + path_.toStdString());
}

} // namespace varlo
