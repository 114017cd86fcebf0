// The text model on a 2,000,000-line, ~100 MB HTML-like document: loading, typing with the
// status-bar figures, offset conversions and memory, each beside a baseline from the same run.

#include "editor/document/EditorModel.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace varlo;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

long peakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        std::getline(status, key);
    }
    return 0;
}

long currentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        std::getline(status, key);
    }
    return 0;
}

std::string makeDocument(int lines) {
    static const char* rows[] = {
        "<tr><td class=\"cell\">Строка таблицы &nbsp; номер</td><td>42</td></tr>",
        "  <p align=center>Текст абзаца с <b>жирным</b> словом.</p>",
        "<!-- комментарий -->",
        "<a href=\"http://example.org/page.html\">ссылка</a>",
        "",
        "\t<div id=main style='color: #0070DF'>",
        "</div>",
        "<img src=picture.png width=100 height=50 alt=\"картинка\">",
    };
    std::string doc;
    doc.reserve(static_cast<std::size_t>(lines) * 56);
    for (int i = 0; i < lines; ++i) {
        doc += rows[i % 8];
        doc += "\r\n";
    }
    return doc;
}

// The floor: read the file and count its line ends.
double readAndCount(const char* path, std::size_t& lineEnds) {
    const auto t0 = Clock::now();
    std::FILE* f = std::fopen(path, "rb");
    std::vector<char> buf(1 << 20);
    lineEnds = 0;
    std::size_t got;
    while ((got = std::fread(buf.data(), 1, buf.size(), f)) > 0) {
        const char* p = buf.data();
        const char* end = p + got;
        while ((p = static_cast<const char*>(std::memchr(p, '\n', end - p))) != nullptr) {
            ++lineEnds;
            ++p;
        }
    }
    std::fclose(f);
    return seconds(t0, Clock::now());
}

// A second floor: the same bytes written into fresh memory, which every loader that keeps the
// text must do (on this kind of machine first-touch page faults dominate it).
double copyIntoFreshMemory(const char* path) {
    const auto t0 = Clock::now();
    std::FILE* f = std::fopen(path, "rb");
    std::vector<char> buf(1 << 20);
    std::vector<char*> blocks;
    std::size_t got;
    while ((got = std::fread(buf.data(), 1, buf.size(), f)) > 0) {
        char* block = static_cast<char*>(std::malloc(got));
        std::memcpy(block, buf.data(), got);
        blocks.push_back(block);
    }
    std::fclose(f);
    const double t = seconds(t0, Clock::now());
    for (char* b : blocks)
        std::free(b);
    return t;
}

// Reads the file as the program's loader does and appends each line.
double loadByLinesAdd(const char* path, EditorModel& m) {
    const auto t0 = Clock::now();
    std::FILE* f = std::fopen(path, "rb");
    std::vector<char> buf(1 << 20);
    std::string pending;
    std::size_t got;
    while ((got = std::fread(buf.data(), 1, buf.size(), f)) > 0) {
        const char* p = buf.data();
        const char* end = p + got;
        while (p < end) {
            const char* nl = static_cast<const char*>(std::memchr(p, '\n', end - p));
            if (!nl) {
                pending.append(p, end);
                break;
            }
            std::string_view line(p, nl - p);
            if (!pending.empty()) {
                pending.append(line);
                line = pending;
            }
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            m.addLine(line);
            pending.clear();
            p = nl + 1;
        }
    }
    if (!pending.empty())
        m.addLine(pending);
    std::fclose(f);
    return seconds(t0, Clock::now());
}

struct Figures {
    std::int64_t total, lines, lineLength, selection, start;
};

// One typed character followed by the reads of a status-bar refresh, repeated.
double typeAt(EditorModel& m, int line, int repeats, Figures& f) {
    m.setCaret({1, line});
    m.setSelectionBegin(m.caret());
    const auto t0 = Clock::now();
    for (int i = 0; i < repeats; ++i) {
        m.setSelectedText("x");
        f.total += m.textLength();
        f.lines += m.lineCount();
        f.lineLength += m.lineLength(m.caret().line - 1);
        f.selection += m.selectionLength();
        f.start += m.selectionStart();
    }
    return seconds(t0, Clock::now()) / repeats;
}

// SelectionStart as the walk from the first line computes it.
std::int64_t walkedOffset(const EditorModel& m, Position p) {
    std::int64_t sum = 0;
    for (int i = 0; i < p.line - 1; ++i)
        sum += m.lineLength(i) + 2;
    return sum + p.column - 1;
}

} // namespace

int main(int argc, char** argv) {
    const int lines = argc > 1 ? std::atoi(argv[1]) : 2'000'000;
    char path[] = "/tmp/varlo-bench-model-XXXXXX";
    const int fd = mkstemp(path);
    {
        const std::string doc = makeDocument(lines);
        if (write(fd, doc.data(), doc.size()) != static_cast<ssize_t>(doc.size()))
            return 1;
        close(fd);
    }
    std::size_t fileBytes = 0;
    {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        fileBytes = static_cast<std::size_t>(in.tellg());
    }
    const double mb = static_cast<double>(fileBytes) / 1e6;
    std::printf("document: %d lines, %.1f MB\n", lines, mb);

    std::size_t lineEnds = 0;
    readAndCount(path, lineEnds); // warm the page cache
    const double floor = readAndCount(path, lineEnds);

    // Start the high-water mark afresh, so the generated document does not count.
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    const long rssBefore = currentKilobytes();
    EditorModel m;
    rusage r0{}, r1{};
    getrusage(RUSAGE_SELF, &r0);
    const double load = loadByLinesAdd(path, m);
    getrusage(RUSAGE_SELF, &r1);
    auto cpu = [](const timeval& a, const timeval& b) {
        return static_cast<double>(b.tv_sec - a.tv_sec) + (b.tv_usec - a.tv_usec) / 1e6;
    };
    std::printf("load: user %.3f s, system %.3f s, %ld page faults\n",
                cpu(r0.ru_utime, r1.ru_utime), cpu(r0.ru_stime, r1.ru_stime),
                r1.ru_minflt - r0.ru_minflt);
    const long peak = peakKilobytes();
    const double fresh = copyIntoFreshMemory(path);
    std::remove(path);
    std::printf(
        "load by Lines add:    %8.1f MB/s   floor (read + memchr): %8.1f MB/s   ratio %.2fx "
        "(target within 3x)\n",
        mb / load, mb / floor, load / floor);
    std::printf("                      floor (read + copy into fresh memory): %8.1f MB/s   ratio "
                "%.2fx\n",
                mb / fresh, load / fresh);
    const double limitKb = (2.0 * static_cast<double>(fileBytes) + 16.0 * lines) / 1024.0;
    std::printf(
        "peak memory of the loaded document: %.1f MB (limit 2 x file + 16 B/line = %.1f MB), "
        "store %.1f MB\n",
        (peak - rssBefore) / 1024.0, limitKb / 1024.0, m.storeBytes() / 1e6);

    Figures f{};
    const int repeats = 200'000;
    typeAt(m, 1, 1000, f); // warm up
    const double atFirst = typeAt(m, 1, repeats, f);
    typeAt(m, lines / 2, 1000, f);
    const double atMiddle = typeAt(m, lines / 2, repeats, f);
    std::printf("type + status figures: line 1 %.2f us, line %d %.2f us, ratio %.2fx "
                "(targets: each < 10 us, within 2x)\n",
                atFirst * 1e6, lines / 2, atMiddle * 1e6, atMiddle / atFirst);
    const auto w0 = Clock::now();
    std::int64_t sink = 0;
    for (int i = 0; i < 20; ++i)
        sink += walkedOffset(m, Position{1, lines / 2});
    const double walk = seconds(w0, Clock::now()) / 20;
    std::printf("  baseline: SelectionStart by walking the lines to line %d: %.1f us\n", lines / 2,
                walk * 1e6);

    std::mt19937_64 rng(7);
    const std::int64_t length = m.textLength();
    const int conversions = 1'000'000;
    std::vector<std::int64_t> offsets(conversions);
    for (auto& o : offsets)
        o = static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(length + 1));
    const auto c0 = Clock::now();
    for (const auto o : offsets) {
        const Position p = m.textOffsetToPosition(o);
        sink += m.positionToTextOffset(p);
    }
    const double perPair = seconds(c0, Clock::now()) / conversions;
    const auto b0 = Clock::now();
    for (int i = 0; i < 20; ++i)
        sink += walkedOffset(m, m.textOffsetToPosition(offsets[static_cast<std::size_t>(i)]));
    const double walkPair = seconds(b0, Clock::now()) / 20;
    std::printf("offset -> position -> offset: %.3f us a pair over %d random offsets "
                "(target < 1 us each); baseline walk %.1f us a conversion\n",
                perPair * 1e6, conversions, walkPair * 1e6);
    std::printf("(checksum %lld %lld)\n", static_cast<long long>(sink),
                static_cast<long long>(f.total + f.lines + f.lineLength + f.selection + f.start));
    return 0;
}
