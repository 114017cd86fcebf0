#include "app/DocumentFile.h"
#include "editor/document/EditorModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <grp.h>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

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

struct stat statOf(const QString& path) {
    struct stat st = {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st;
}

// Runs f in a child process and returns its exit code (or 128 + the signal that ended it).
int inChild(const std::function<int()>& f) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(f());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The child saves with a file size limit, so writing fails part way as on a full disk.
int saveWithSizeLimit(const QString& path, const EditorModel& m, rlim_t limit) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit r{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &r);
    try {
        DocumentFile::write(path, m);
        return 0;
    } catch (const DocumentError&) {
        return 1;
    }
}

void fillBigText(EditorModel& m) {
    for (int i = 0; i < 2000; ++i)
        m.addLine("<p>new text of the page</p>");
}

std::string bytesOf(const EditorModel& m) {
    std::string out;
    m.forEachLine([&](std::string_view line) {
        out.append(line);
        out += "\r\n";
    });
    return out;
}

class SavingKeeps : public testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    void SetUp() override { fillBigText(m_); }
    QTemporaryDir dir_;
    EditorModel m_;
};

// Runs f in a child process as an ordinary user: as nobody when the tests run as root.
int asOrdinaryUser(const std::function<int()>& f) {
    return inChild([&] {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
             ::setresuid(65534, 65534, 65534) != 0))
            return 2;
        return f();
    });
}

TEST_F(SavingKeeps, ReadOnlyFileIsNotReplaced) {
    const QString locked = path("locked.html");
    put(locked, "old\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0777), 0);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const int code = asOrdinaryUser([&] {
        try {
            DocumentFile::write(locked, m_);
            return 0;
        } catch (const DocumentError&) {
            return 1;
        }
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(get(locked), "old\r\n");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 1)
        << "no temporary file left behind";
}

TEST_F(SavingKeeps, OwnerGroupModeAndAttributes) {
    const QString doc = path("doc.html");
    put(doc, "old\r\n");
    const QByteArray native = QFile::encodeName(doc);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(native.constData(), 65534, 65534), 0);
    }
    ASSERT_EQ(::chmod(native.constData(), 0640), 0);
    const bool attrs = ::setxattr(native.constData(), "user.varlo", "kept", 4, 0) == 0;
    const ino_t before = statOf(doc).st_ino;

    DocumentFile::write(doc, m_);

    EXPECT_EQ(get(doc), bytesOf(m_));
    const struct stat st = statOf(doc);
    EXPECT_NE(st.st_ino, before) << "an ordinary file is replaced, not overwritten";
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    }
    if (attrs) {
        char value[8] = {};
        EXPECT_EQ(::getxattr(native.constData(), "user.varlo", value, sizeof value), 4);
        EXPECT_STREQ(value, "kept");
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 1) << "no temporary file left";
}

TEST_F(SavingKeeps, HardLinksAndSymbolicLinks) {
    const QString doc = path("doc.html");
    const QString other = path("other-name.html");
    const QString link = path("link.html");
    put(doc, "old\r\n");
    ASSERT_EQ(::link(QFile::encodeName(doc).constData(), QFile::encodeName(other).constData()), 0);
    ASSERT_TRUE(QFile::link(doc, link));
    const ino_t before = statOf(doc).st_ino;

    DocumentFile::write(other, m_);
    EXPECT_EQ(get(doc), bytesOf(m_)) << "every name of the file shows the new text";
    EXPECT_EQ(get(other), bytesOf(m_));
    EXPECT_EQ(statOf(doc).st_ino, before);
    EXPECT_EQ(statOf(doc).st_nlink, 2u);

    EditorModel small;
    small.addLine("via the link");
    DocumentFile::write(link, small);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(get(doc), "via the link\r\n");
    EXPECT_EQ(statOf(doc).st_ino, before);
}

// Writing fails part way (the size limit stands in for a full disk): the old bytes are back,
// and no copy or temporary file is left, whether the file was being replaced or overwritten.
TEST_F(SavingKeeps, OldContentAfterAFailedWrite) {
    const std::string old("old\0\x1a\r\n\xcf", 8);
    const QString single = path("single.html");
    const QString linked = path("linked.html");
    put(single, old);
    put(linked, old);
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(),
                     QFile::encodeName(path("second-name.html")).constData()),
              0);
    for (const QString& doc : {single, linked}) {
        SCOPED_TRACE(doc.toStdString());
        EXPECT_EQ(inChild([&] { return saveWithSizeLimit(doc, m_, 4096); }), 1);
        EXPECT_EQ(get(doc), old);
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 3);
}

// A user who may write the file but not give a file to its owner (here `nobody` saving a file
// of root's that its group may write): the file is written in place and stays its owner's.
TEST_F(SavingKeeps, OwnerThatCannotBeGivenMeansWritingInPlace) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to set up a file of another user and to become nobody";
    const QString doc = path("doc.html");
    put(doc, "old\r\n");
    const QByteArray native = QFile::encodeName(doc);
    ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0777), 0);
    ASSERT_EQ(::chown(native.constData(), 0, 65534), 0);
    ASSERT_EQ(::chmod(native.constData(), 0664), 0);
    const ino_t before = statOf(doc).st_ino;

    const int code = asOrdinaryUser([&] {
        try {
            DocumentFile::write(doc, m_);
            return 0;
        } catch (const DocumentError&) {
            return 1;
        }
    });
    ASSERT_EQ(code, 0);
    EXPECT_EQ(get(doc), bytesOf(m_));
    const struct stat st = statOf(doc);
    EXPECT_EQ(st.st_ino, before);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 1) << "the copy aside is removed";
}

} // namespace
