// Every file in data/input is highlighted line by line as the editor does it, by the component
// whose default filter names the file's extension (the first one in the catalogue), and the token
// stream is compared with data/reference/<file>.ref: one line per input line, each token written
// as <Attribute display name>text</Attribute display name>. VARLO_REGENERATE=1 rewrites the
// references from the current highlighters (check the diff by hand before committing it).

#include "editor/highlight/HighlighterCatalogue.h"
#include "editor/highlight/TokenWalk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace varlo;

namespace {

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lines as the editor splits them: at CR LF, a lone CR or a lone LF; a final line break does not
// start another line.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty())
        lines.push_back(current);
    return lines;
}

// The catalogue row whose filter patterns include "*.<extension>".
std::unique_ptr<TSynCustomHighlighter> highlighterFor(const fs::path& file) {
    const std::string pattern = "*" + file.extension().string();
    for (std::size_t i = 0; i < kHighlighterCount; ++i) {
        auto h = createConfiguredHighlighter(i);
        const std::string filter = h->defaultFilter();
        const std::string patterns = filter.substr(filter.find('|') + 1);
        std::size_t start = 0;
        while (start <= patterns.size()) {
            const std::size_t end = std::min(patterns.find(';', start), patterns.size());
            if (patterns.substr(start, end - start) == pattern)
                return h;
            start = end + 1;
        }
    }
    return nullptr;
}

std::string tokenStream(TSynCustomHighlighter& hl, const std::vector<std::string>& lines) {
    TokenWalk walk(hl);
    std::string out;
    int state = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        std::size_t expectedPos = 0;
        state = walk.line(line, static_cast<int>(n), n == 0, state,
                          [&](int pos, std::string_view token, const TSynHighlighterAttributes* a) {
                              EXPECT_EQ(static_cast<std::size_t>(pos), expectedPos)
                                  << "line " << n + 1;
                              expectedPos = static_cast<std::size_t>(pos) + token.size();
                              const std::string& name = a->displayName();
                              out += "<" + name + ">" + std::string(token) + "</" + name + ">";
                              return true;
                          });
        EXPECT_EQ(walk.emptyTokens(), 0) << "an empty token in line " << n + 1;
        EXPECT_EQ(expectedPos, line.size()) << "the tokens of line " << n + 1 << " miss its end";
        out += "\n";
    }
    return out;
}

std::vector<std::string> inputPages() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(VARLO_TEST_DATA) / "input"))
        if (entry.is_regular_file())
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenFile : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenFile, TokensMatchReference) {
    const fs::path data(VARLO_TEST_DATA);
    const auto hl = highlighterFor(GetParam());
    ASSERT_NE(hl, nullptr) << "no highlighter for " << GetParam();
    const std::string actual = tokenStream(*hl, splitLines(readBytes(data / "input" / GetParam())));
    const fs::path refPath = data / "reference" / (GetParam() + ".ref");
    const char* regenerate = std::getenv("VARLO_REGENERATE");
    if (regenerate && std::string(regenerate) == "1") {
        std::ofstream(refPath, std::ios::binary) << actual;
        GTEST_SKIP() << "rewrote " << refPath;
    }
    ASSERT_TRUE(fs::exists(refPath)) << refPath;
    const auto expected = splitLines(readBytes(refPath));
    const auto got = splitLines(actual);
    // Line by line, so that a failure names the line; empty lines count as well.
    auto padded = [](std::vector<std::string> v, std::size_t n) {
        v.resize(std::max(v.size(), n));
        return v;
    };
    const std::size_t count = std::max(expected.size(), got.size());
    const auto e = padded(expected, count);
    const auto g = padded(got, count);
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(g[i], e[i]) << GetParam() << " line " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenFile, ::testing::ValuesIn(inputPages()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) {
                                     return !std::isalnum(static_cast<unsigned char>(c));
                                 },
                                 '_');
                             return name;
                         });

} // namespace
