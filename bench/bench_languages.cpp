// Throughput of every highlighter of the catalogue over a large file of its language, scanned
// line by line the way the editor does it (each line from the state the line above left),
// against a memchr pass over the same bytes measured in the same run.
//
// Each file is the language's golden-file sample repeated with its numbers and names varied, to
// about 24 MB; the sample holds the constructs a real file has (comments over lines, strings with
// escapes, heredocs, preprocessor lines) in realistic proportions.

#include "editor/document/LineSplit.h"
#include "editor/highlight/HighlighterCatalogue.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace varlo;
namespace fs = std::filesystem;

namespace {

struct Language {
    std::size_t index; // catalogue row
    const char* sample;
    const char* stopAt; // the sample is cut here (text after it is data, not code), or nullptr
};

const Language kLanguages[] = {
    {0, "page.html", nullptr},   {1, "sample.css", nullptr},  {2, "sample.php", nullptr},
    {3, "sample.js", nullptr},   {4, "sample.pas", nullptr},  {5, "sample.cpp", nullptr},
    {6, "sample.pl", "__END__"}, {7, "sample.java", nullptr}, {8, "sample.asm", nullptr},
    {9, "sample.cs", nullptr},   {10, "sample.xml", nullptr}, {11, "sample.sql", nullptr},
    {12, "sample.py", nullptr},  {13, "sample.ini", nullptr},
};

// The sample again and again; every copy has its digits shifted and one letter of each line's
// first name changed, so that no two copies are byte for byte alike.
std::vector<std::string> makeFile(const Language& lang, std::size_t targetBytes) {
    std::ifstream in(fs::path(VARLO_SAMPLES_DIR) / lang.sample, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (lang.stopAt) {
        const std::size_t cut = text.find(lang.stopAt);
        if (cut != std::string::npos)
            text.resize(cut);
    }
    std::vector<std::string_view> sample = splitLines(text);
    if (!sample.empty() && sample.back().empty())
        sample.pop_back(); // the break after the last line starts no line of its own
    std::vector<std::string> lines;
    std::size_t total = 0;
    for (unsigned copy = 0; total < targetBytes && !sample.empty(); ++copy) {
        for (std::string_view piece : sample) {
            std::string line(piece);
            for (char& c : line)
                if (c >= '1' && c <= '9')
                    c = static_cast<char>('1' + (c - '1' + copy) % 9);
            total += line.size() + 2;
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main() {
    std::printf("%-22s %8s %10s %10s %8s %s\n", "language", "MB", "MB/s", "memchr", "ratio",
                "100 MB/s");
    std::uint64_t check = 0;
    double slowest = 1e18;
    for (const Language& lang : kLanguages) {
        const auto lines = makeFile(lang, 24u << 20);
        std::size_t bytes = 0;
        for (const auto& l : lines)
            bytes += l.size();
        const double mb = static_cast<double>(bytes) / (1024.0 * 1024.0);
        const auto hl = createConfiguredHighlighter(lang.index);
        double bestHighlight = 1e9;
        double bestMemchr = 1e9;
        for (int round = 0; round < 5; ++round) {
            auto t0 = std::chrono::steady_clock::now();
            int range = 0;
            hl->resetRange();
            for (std::size_t n = 0; n < lines.size(); ++n) {
                if (n > 0)
                    hl->setRange(range);
                hl->setLine(lines[n], static_cast<int>(n));
                while (!hl->getEol()) {
                    check += hl->getToken().size() +
                             static_cast<std::uint64_t>(hl->getTokenAttribute()->foreground() & 1);
                    hl->next();
                }
                range = hl->getRange();
            }
            auto t1 = std::chrono::steady_clock::now();
            std::size_t found = 0;
            for (const auto& l : lines) {
                const char* p = l.data();
                const char* end = p + l.size();
                while ((p = static_cast<const char*>(std::memchr(p, ' ', end - p))) != nullptr) {
                    ++found;
                    ++p;
                }
            }
            auto t2 = std::chrono::steady_clock::now();
            check += found;
            bestHighlight = std::min(bestHighlight, seconds(t1 - t0));
            bestMemchr = std::min(bestMemchr, seconds(t2 - t1));
        }
        const double speed = mb / bestHighlight;
        const double memchrSpeed = mb / bestMemchr;
        slowest = std::min(slowest, speed);
        std::printf("%-22s %8.1f %10.1f %10.1f %8.3f %s\n", hl->languageName().c_str(), mb, speed,
                    memchrSpeed, speed / memchrSpeed, speed >= 100.0 ? "met" : "MISSED");
    }
    std::printf("slowest highlighter: %.1f MB/s   (checksum %llu)\n", slowest,
                static_cast<unsigned long long>(check));
    return 0;
}
