#pragma once

// A private profile file: "[Section]" headers and "Key=Value" lines in Windows-1251, read and
// written with the rules of the desktop's profile functions. Section and key names match without
// regard to case (ASCII and Cyrillic); values are trimmed of blanks, and one pair of enclosing
// double quotes is removed. Lines that are neither headers nor keys (comments, garbage, binary
// bytes) are kept as they are when the file is written back.

#include <QString>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace varlo {

class IniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IniFile {
public:
    // Reads the file now; a missing or unreadable file reads as empty.
    explicit IniFile(QString path);

    const QString& path() const { return path_; }
    bool exists() const;

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    // Decimal, or hexadecimal after "0x"/"0X", with an optional minus sign; anything else (and a
    // missing key) gives the fallback.
    std::int64_t readInteger(std::string_view section, std::string_view key,
                             std::int64_t fallback = 0) const;

    // Sets the key (adding the section and key where they are missing) and writes the whole file
    // at once through a temporary file beside it. Throws IniWriteError when the file cannot be
    // written, for instance when its folder is missing; the file on disk is then unchanged.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int64_t value);

    // The integer text rule on its own.
    static bool parseInteger(std::string_view text, std::int64_t& value);

private:
    struct Line {
        std::string raw;
    };
    // The index of the section's header line, or -1.
    int findSection(std::string_view section) const;
    // The index of the key's line inside the section starting after header `from`, or -1.
    int findKey(int header, std::string_view key) const;
    int sectionEnd(int header) const;
    void save() const;

    QString path_;
    std::vector<std::string> lines_;
};

} // namespace varlo
