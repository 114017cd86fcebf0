#include "app/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using varlo::IniFile;
using varlo::IniWriteError;

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(IniFile, ReadsWithProfileRules) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    put(path, "; comment\r\n[Program]\r\n  Handle = 0x1F \r\nName=\"quoted\"\n"
              "[\xc8\xf1\xf2\xee\xf0\xe8\xff]\rOpen_1=C:\\a&b.html\r\nbroken line\r\nOpen_2=\r\n"
              "Neg=-42\r\nJunk=12ab\r\n");
    const IniFile ini(path);
    EXPECT_TRUE(ini.exists());
    EXPECT_EQ(ini.readInteger("PROGRAM", "handle"), 31);
    EXPECT_EQ(ini.readString("program", "Name"), "quoted");
    // Cyrillic section names match without regard to case, as Latin ones do.
    EXPECT_EQ(ini.readString("\xe8\xf1\xf2\xee\xf0\xe8\xff", "OPEN_1"), "C:\\a&b.html");
    EXPECT_EQ(ini.readString("\xc8\xf1\xf2\xee\xf0\xe8\xff", "Open_2", "dflt"), "");
    EXPECT_EQ(ini.readString("\xc8\xf1\xf2\xee\xf0\xe8\xff", "Open_3", "dflt"), "dflt");
    EXPECT_EQ(ini.readInteger("\xc8\xf1\xf2\xee\xf0\xe8\xff", "Neg"), -42);
    EXPECT_EQ(ini.readInteger("\xc8\xf1\xf2\xee\xf0\xe8\xff", "Junk", 7), 7);
    EXPECT_EQ(ini.readString("Missing", "Handle", "d"), "d");
}

TEST(IniFile, IntegerTextRule) {
    struct Row {
        const char* text;
        bool ok;
        std::int64_t value;
    };
    const Row rows[] = {
        {"0", true, 0},
        {"123", true, 123},
        {"-5", true, -5},
        {"0x10", true, 16},
        {"0XfF", true, 255},
        {" 77 ", true, 77},
        {"", false, 0},
        {"0x", false, 0},
        {"abc", false, 0},
        {"12 34", false, 0},
        {"99999999999999999999", false, 0},
        {"9223372036854775807", true, INT64_MAX},
    };
    for (const Row& r : rows) {
        std::int64_t v = -1;
        EXPECT_EQ(IniFile::parseInteger(r.text, v), r.ok) << r.text;
        if (r.ok) {
            EXPECT_EQ(v, r.value) << r.text;
        }
    }
}

TEST(IniFile, MissingEmptyBrokenAndBinaryFilesReadAsDefaults) {
    QTemporaryDir dir;
    std::mt19937 random(7);
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>(random() & 0xFF));
    const QByteArray contents[] = {QByteArray(), QByteArray("[Program"),
                                   QByteArray("Handle=5\r\n[Program]x"),
                                   QByteArray("\0\0\0\xff", 4), binary};
    for (const QByteArray& bytes : contents) {
        const QString path = dir.filePath(QStringLiteral("x.ini"));
        put(path, bytes);
        EXPECT_EQ(IniFile(path).readInteger("Program", "Handle", 0), 0);
    }
    EXPECT_EQ(IniFile(dir.filePath(QStringLiteral("none.ini"))).readInteger("Program", "Handle", 3),
              3);
    EXPECT_FALSE(IniFile(dir.filePath(QStringLiteral("none.ini"))).exists());
    EXPECT_FALSE(IniFile(dir.path()).exists()); // a folder is no profile file
}

TEST(IniFile, WritesInPlaceKeepingOtherLinesAndEndsLinesInCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.ini"));
    put(path, "; keep me\n[History]\nopen_1=old\n\nbinary\x01\xff\n[Other]\nK=V\n");
    IniFile ini(path);
    ini.writeString("HISTORY", "Open_1", "new");
    ini.writeString("History", "Open_2", "two");
    ini.writeInteger("Program", "Handle", 123456789012);
    EXPECT_EQ(get(path), QByteArray("; keep me\r\n[History]\r\nOpen_1=new\r\nOpen_2=two\r\n\r\n"
                                    "binary\x01\xff\r\n[Other]\r\nK=V\r\n[Program]\r\n"
                                    "Handle=123456789012\r\n"));
    EXPECT_EQ(IniFile(path).readString("history", "open_2"), "two");
}

TEST(IniFile, WriteFailsWhenTheFolderIsMissing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Fails/handle.ini"));
    IniFile ini(path);
    EXPECT_THROW(ini.writeInteger("Program", "Handle", 1), IniWriteError);
    EXPECT_FALSE(QFile::exists(path));
    // The failed write is not kept in memory either.
    EXPECT_EQ(ini.readInteger("Program", "Handle", 0), 0);
}

} // namespace
