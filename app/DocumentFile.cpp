#include "app/DocumentFile.h"

#include "editor/document/EditorModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace varlo {

DocumentError::DocumentError(QString operation, QString path, QString reason)
    : std::runtime_error(
          (operation + QStringLiteral(": ") + path + QStringLiteral(": ") + reason).toStdString()),
      operation_(std::move(operation)), path_(std::move(path)), reason_(std::move(reason)) {}

QString DocumentError::details() const {
    return operation_ + QStringLiteral(": ") + path_ + QStringLiteral(": ") + reason_;
}

namespace DocumentFile {

namespace {

constexpr qint64 kChunk = 4 << 20;

// Splits a stream of chunks into lines; a line may span chunks, and a CR at the end of one chunk
// may be the first half of a CR LF split across two.
class LineSplitter {
public:
    explicit LineSplitter(EditorModel& target) : target_(target) {}

    void feed(const char* data, std::size_t n) {
        std::size_t pos = 0;
        if (skipLf_ && n > 0) {
            skipLf_ = false;
            if (data[0] == '\n')
                pos = 1;
        }
        // The next LF is remembered so that a run of lone-CR lines does not search the rest of
        // the chunk for an LF again for every line.
        std::size_t nextLf = 0;
        bool lfKnown = false;
        while (pos < n) {
            if (!lfKnown || nextLf < pos) {
                const void* lf = std::memchr(data + pos, '\n', n - pos);
                nextLf = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : n;
                lfKnown = true;
            }
            const void* cr = std::memchr(data + pos, '\r', nextLf - pos);
            if (cr) {
                const auto at = static_cast<std::size_t>(static_cast<const char*>(cr) - data);
                pushLine(data + pos, at - pos);
                pos = at + 1;
                if (pos == n)
                    skipLf_ = true;
                else if (data[pos] == '\n')
                    ++pos;
                continue;
            }
            if (nextLf < n) {
                pushLine(data + pos, nextLf - pos);
                pos = nextLf + 1;
                continue;
            }
            carry_.append(data + pos, n - pos);
            pos = n;
        }
        flushBatch();
    }

    void finish() {
        if (!carry_.empty())
            target_.addLine(carry_);
        carry_.clear();
    }

private:
    // Lines go to the editor a chunk at a time: the views point into the chunk being fed.
    void pushLine(const char* p, std::size_t n) {
        if (carry_.empty()) {
            batch_.emplace_back(p, n);
        } else {
            flushBatch();
            carry_.append(p, n);
            target_.addLine(carry_);
            carry_.clear();
        }
    }
    void flushBatch() {
        target_.addLines(batch_);
        batch_.clear();
    }

    EditorModel& target_;
    std::vector<std::string_view> batch_;
    std::string carry_;
    bool skipLf_ = false;
};

const QString kReading = QStringLiteral("Чтение файла");
const QString kSaving = QStringLiteral("Сохранение файла");
const QString kUnchanged = QStringLiteral(". Файл на диске не изменён, текст остаётся на странице");

struct Fd {
    int fd = -1;
    Fd() = default;
    explicit Fd(int f) : fd(f) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd >= 0)
            ::close(fd);
    }
};

bool writeAll(int fd, const char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

// Writes every line and its CR LF from the descriptor's current offset; false with errno set
// when a write failed. Lines are gathered into chunks by hand: a std::string append per line and
// per line end costs more than the copying itself.
bool writeLines(int fd, const EditorModel& source, off_t& written) {
    std::vector<char> out(static_cast<std::size_t>(kChunk));
    std::size_t used = 0;
    bool ok = true;
    int err = 0;
    written = 0;
    auto put = [&](const char* p, std::size_t n) {
        if (ok && !writeAll(fd, p, n)) {
            ok = false;
            err = errno;
        }
        written += static_cast<off_t>(n);
    };
    auto flush = [&] {
        put(out.data(), used);
        used = 0;
    };
    source.forEachLine([&](std::string_view line) {
        if (!ok)
            return;
        if (used + line.size() + 2 > out.size()) {
            flush();
            if (line.size() + 2 > out.size()) {
                put(line.data(), line.size());
                put("\r\n", 2);
                return;
            }
        }
        std::memcpy(out.data() + used, line.data(), line.size());
        out[used + line.size()] = '\r';
        out[used + line.size() + 1] = '\n';
        used += line.size() + 2;
    });
    flush();
    errno = err;
    return ok;
}

// Gives the new file the old one's extended attributes; false when one cannot be carried over.
bool copyAttributes(const char* from, int to) {
    const ssize_t size = ::listxattr(from, nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP;
    std::vector<char> names(static_cast<std::size_t>(size) + 1);
    const ssize_t got = ::listxattr(from, names.data(), names.size());
    if (got < 0)
        return false;
    for (ssize_t i = 0; i < got;) {
        const char* name = names.data() + i;
        i += static_cast<ssize_t>(std::strlen(name)) + 1;
        const ssize_t n = ::getxattr(from, name, nullptr, 0);
        if (n < 0)
            return false;
        std::vector<char> value(static_cast<std::size_t>(n) + 1);
        const ssize_t v = ::getxattr(from, name, value.data(), value.size());
        if (v < 0 || ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(v), 0) != 0)
            return false;
    }
    return true;
}

// Writes the text into a temporary file beside the target and renames it over the target. With
// `old`, the new file first takes the old one's owner, group, mode and attributes; false with
// errno 0 when they cannot all be carried over (nothing was changed then). Throws when the text
// cannot be written; the target is unchanged.
bool replaceFile(const QString& path, const QByteArray& target, const struct stat* old,
                 const EditorModel& source) {
    QByteArray tmp = target + ".XXXXXX";
    Fd f(::mkstemp(tmp.data()));
    if (f.fd < 0)
        throw DocumentError(kSaving, path, qt_error_string(errno) + kUnchanged);
    ::fcntl(f.fd, F_SETFD, FD_CLOEXEC);
    struct Remove {
        const char* name;
        bool keep = false;
        ~Remove() {
            if (!keep)
                ::unlink(name);
        }
    } remove{tmp.constData()};
    if (old) {
        // The owner first: changing it clears the set-id bits of the mode.
        struct stat mine = {};
        if (::fstat(f.fd, &mine) != 0 ||
            ((mine.st_uid != old->st_uid || mine.st_gid != old->st_gid) &&
             ::fchown(f.fd, old->st_uid, old->st_gid) != 0) ||
            ::fchmod(f.fd, old->st_mode & 07777) != 0 ||
            !copyAttributes(target.constData(), f.fd)) {
            errno = 0;
            return false;
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(f.fd, 0666 & ~mask);
    }
    off_t written = 0;
    if (!writeLines(f.fd, source, written) || ::fdatasync(f.fd) != 0 ||
        ::rename(tmp.constData(), target.constData()) != 0)
        throw DocumentError(kSaving, path, qt_error_string(errno) + kUnchanged);
    remove.keep = true;
    return true;
}

// Copies everything from one descriptor to another, both from their current offsets.
bool copyAll(int from, int to) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!writeAll(to, buffer.data(), static_cast<std::size_t>(got)))
            return false;
    }
}

// A file created beside the target for a copy of its content, or in the temporary folder when
// the target's folder takes no new files.
QByteArray makeBackup(const QByteArray& target, Fd& fd) {
    QByteArray name = target + ".XXXXXX";
    fd.fd = ::mkstemp(name.data());
    if (fd.fd < 0) {
        name = QFile::encodeName(QDir::tempPath()) + "/varlo-" +
               QFile::encodeName(QFileInfo(QFile::decodeName(target)).fileName()) + ".XXXXXX";
        fd.fd = ::mkstemp(name.data());
    }
    if (fd.fd >= 0)
        ::fcntl(fd.fd, F_SETFD, FD_CLOEXEC);
    return name;
}

// Overwrites the file itself, so that its identity (inode, owner, links) stays. Its old content
// is copied aside first; when writing fails, it is put back and the copy removed. Should even
// that fail, the copy stays and the message names it.
void writeInPlace(const QString& path, const QByteArray& target, const struct stat& old,
                  const EditorModel& source) {
    Fd in(::open(target.constData(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0)
        throw DocumentError(kSaving, path, qt_error_string(errno) + kUnchanged);
    Fd backup;
    const QByteArray backupName = makeBackup(target, backup);
    if (backup.fd < 0)
        throw DocumentError(kSaving, path, qt_error_string(errno) + kUnchanged);
    if (!copyAll(in.fd, backup.fd) || ::fdatasync(backup.fd) != 0) {
        const int err = errno;
        ::unlink(backupName.constData());
        throw DocumentError(kSaving, path, qt_error_string(err) + kUnchanged);
    }
    Fd out(::open(target.constData(), O_WRONLY | O_CLOEXEC));
    if (out.fd < 0) {
        const int err = errno;
        ::unlink(backupName.constData());
        throw DocumentError(kSaving, path, qt_error_string(err) + kUnchanged);
    }
    off_t written = 0;
    if (writeLines(out.fd, source, written) && ::ftruncate(out.fd, written) == 0 &&
        ::fdatasync(out.fd) == 0) {
        ::unlink(backupName.constData());
        return;
    }
    const QString reason = qt_error_string(errno);
    const bool restored = ::lseek(out.fd, 0, SEEK_SET) == 0 &&
                          ::lseek(backup.fd, 0, SEEK_SET) == 0 && copyAll(backup.fd, out.fd) &&
                          ::ftruncate(out.fd, old.st_size) == 0 && ::fdatasync(out.fd) == 0;
    if (restored) {
        ::unlink(backupName.constData());
        throw DocumentError(kSaving, path, reason + kUnchanged);
    }
    throw DocumentError(kSaving, path,
                        reason + QStringLiteral("; прежнее содержимое файла сохранено в ") +
                            QFile::decodeName(backupName));
}

} // namespace

void checkReadable(const QString& path) {
    if (QFileInfo(path).isDir())
        throw DocumentError(kReading, path, QStringLiteral("это папка, а не файл"));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw DocumentError(kReading, path, f.errorString());
}

void read(const QString& path, EditorModel& target) {
    if (QFileInfo(path).isDir())
        throw DocumentError(kReading, path, QStringLiteral("это папка, а не файл"));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw DocumentError(kReading, path, f.errorString());
    std::vector<char> buffer(static_cast<std::size_t>(kChunk));
    LineSplitter splitter(target);
    for (;;) {
        const qint64 got = f.read(buffer.data(), kChunk);
        if (got < 0)
            throw DocumentError(kReading, path, f.errorString());
        if (got == 0)
            break;
        splitter.feed(buffer.data(), static_cast<std::size_t>(got));
    }
    splitter.finish();
}

void write(const QString& path, const EditorModel& source) {
    if (QFileInfo(path).isDir())
        throw DocumentError(kSaving, path, QStringLiteral("это папка, а не файл") + kUnchanged);
    // A symbolic link stays a link: its target gets the text.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink())
        target = info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
    const QByteArray native = QFile::encodeName(target);
    struct stat st = {};
    if (::stat(native.constData(), &st) != 0) {
        if (errno != ENOENT)
            throw DocumentError(kSaving, path, qt_error_string(errno) + kUnchanged);
        if (!replaceFile(path, native, nullptr, source))
            throw DocumentError(kSaving, path, qt_error_string(errno) + kUnchanged);
        return;
    }
    if (::access(native.constData(), W_OK) != 0)
        throw DocumentError(kSaving, path, qt_error_string(errno) + kUnchanged);
    // Replacing a file with other names would cut it off from them.
    if (st.st_nlink > 1 || !replaceFile(path, native, &st, source))
        writeInPlace(path, native, st, source);
}

} // namespace DocumentFile

} // namespace varlo
