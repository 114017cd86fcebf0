#include "app/DocumentFile.h"

#include "editor/document/EditorModel.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace varlo::DocumentFile {

namespace {

constexpr qint64 kChunk = 4 << 20;

std::string describe(const char* what, const QString& path) {
    return std::string(what) + " " + path.toStdString();
}

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

} // namespace

void read(const QString& path, EditorModel& target) {
    if (QFileInfo(path).isDir())
        throw DocumentError(describe("is a folder:", path));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw DocumentError(describe("cannot open", path));
    std::vector<char> buffer(static_cast<std::size_t>(kChunk));
    LineSplitter splitter(target);
    for (;;) {
        const qint64 got = f.read(buffer.data(), kChunk);
        if (got < 0)
            throw DocumentError(describe("cannot read", path));
        if (got == 0)
            break;
        splitter.feed(buffer.data(), static_cast<std::size_t>(got));
    }
    splitter.finish();
}

void write(const QString& path, const EditorModel& source) {
    if (QFileInfo(path).isDir())
        throw DocumentError(describe("is a folder:", path));
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw DocumentError(describe("cannot create", path));
    // Lines are gathered into chunks by hand: a std::string append per line and per line end
    // costs more than the copying itself.
    std::vector<char> out(static_cast<std::size_t>(kChunk));
    std::size_t used = 0;
    auto put = [&](const char* p, std::size_t n) {
        if (f.write(p, static_cast<qint64>(n)) != static_cast<qint64>(n))
            throw DocumentError(describe("cannot write", path));
    };
    auto flush = [&] {
        put(out.data(), used);
        used = 0;
    };
    source.forEachLine([&](std::string_view line) {
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
    if (!f.commit())
        throw DocumentError(describe("cannot write", path));
}

} // namespace varlo::DocumentFile
