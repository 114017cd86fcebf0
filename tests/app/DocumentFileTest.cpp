#include "app/DocumentFile.h"
#include "editor/document/EditorModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using varlo::DocumentError;
using varlo::EditorModel;
namespace DocumentFile = varlo::DocumentFile;

namespace {

void put(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string get(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

std::vector<std::string> linesOf(const EditorModel& m) {
    std::vector<std::string> out;
    for (int i = 0; i < m.lineCount(); ++i)
        out.push_back(m.line(i));
    return out;
}

struct ByteCase {
    const char* name;
    std::string file;
    std::vector<std::string> lines;
    std::string saved; // what saving those lines writes
};

const std::string kNul("a\0b\r\n", 5);
const std::string kNulLine("a\0b", 3);

const ByteCase kCases[] = {
    {"Empty", "", {}, ""},
    {"CrLf", "a\r\nb\r\n", {"a", "b"}, "a\r\nb\r\n"},
    {"Lf", "a\nb\n", {"a", "b"}, "a\r\nb\r\n"},
    {"NoFinalLineEnd", "a\r\nb", {"a", "b"}, "a\r\nb\r\n"},
    {"LoneCrEndsTheLine", "a\rb\rc", {"a", "b", "c"}, "a\r\nb\r\nc\r\n"},
    {"MixedEnds", "a\r\n\nb\r\r\nc", {"a", "", "b", "", "c"}, "a\r\n\r\nb\r\n\r\nc\r\n"},
    {"OnlyLineEnds", "\r\n\n", {"", ""}, "\r\n\r\n"},
    {"Character26Stays",
     "a\x1a"
     "b\r\n\x1a"
     "c\r\n",
     {"a\x1a"
      "b",
      "\x1a"
      "c"},
     "a\x1a"
     "b\r\n\x1a"
     "c\r\n"},
    {"NulStays", kNul, {kNulLine}, kNul},
    {"Windows1251Bytes",
     "\xcf\xf0\xe8\xe2\xe5\xf2\r\n",
     {"\xcf\xf0\xe8\xe2\xe5\xf2"},
     "\xcf\xf0\xe8\xe2\xe5\xf2\r\n"},
};

class DocumentBytes : public testing::TestWithParam<ByteCase> {};

TEST_P(DocumentBytes, ReadsLinesAndWritesCrLf) {
    const ByteCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.html"));
    put(path, c.file);

    EditorModel m;
    DocumentFile::read(path, m);
    EXPECT_EQ(linesOf(m), c.lines);
    EXPECT_FALSE(m.isModified());
    EXPECT_FALSE(m.canUndo());

    DocumentFile::write(path, m);
    EXPECT_EQ(get(path), c.saved);
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentBytes, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The loader reads in large chunks: a line end split across two chunks must still be one line end.
TEST(DocumentFile, LineEndSplitAcrossReadChunks) {
    constexpr std::size_t kChunk = 4 << 20;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    std::string bytes(kChunk - 1, 'a');
    bytes += "\r\nb";                                              // CR is the chunk's last byte
    bytes += std::string(kChunk - bytes.size() % kChunk - 1, 'c'); // next chunk ends ...
    bytes += "\rd";                                                // ... in a lone CR
    put(path, bytes);
    EditorModel m;
    DocumentFile::read(path, m);
    ASSERT_EQ(m.lineCount(), 3);
    EXPECT_EQ(m.lineLength(0), static_cast<int>(kChunk - 1));
    EXPECT_EQ(m.line(1).front(), 'b');
    EXPECT_EQ(m.line(1).size(), kChunk - 2);
    EXPECT_EQ(m.line(2), "d");
}

TEST(DocumentFile, FailuresThrow) {
    QTemporaryDir dir;
    EditorModel m;
    m.addLine("new");
    EXPECT_THROW(DocumentFile::read(dir.filePath(QStringLiteral("missing")), m), DocumentError);
    EXPECT_THROW(DocumentFile::read(dir.path(), m), DocumentError);
    EXPECT_THROW(DocumentFile::write(dir.path(), m), DocumentError);
    EXPECT_THROW(DocumentFile::write(dir.filePath(QStringLiteral("no/such/folder/x.html")), m),
                 DocumentError);
    EXPECT_EQ(m.lineCount(), 1);
}

TEST(DocumentFile, ReadOnlyFileIsNotReplaced) {
    QTemporaryDir dir;
    EditorModel m;
    m.addLine("new");
    const QString locked = dir.filePath(QStringLiteral("locked.html"));
    put(locked, "old\r\n");
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    if (QFile(locked).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    EXPECT_THROW(DocumentFile::write(locked, m), DocumentError);
    EXPECT_EQ(get(locked), "old\r\n");
    QDir d(dir.path());
    EXPECT_EQ(d.entryList(QDir::Files).size(), 1) << "no temporary file left behind";
}

} // namespace
