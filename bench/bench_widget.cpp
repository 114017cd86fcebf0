// Editor widget speed: time to the first paint of a large document right after loading, and
// keystroke-to-repaint deep in it against the same at its top. Each figure is printed beside a
// baseline measured in the same run.

#include "editor/highlight/TSynHTMLSyn.h"
#include "editor/widget/TSynMemo.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace varlo;
using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

// An HTML-like line of about 50 bytes; every 97th line opens or closes a comment.
std::string makeLine(int i) {
    if (i % 97 == 5)
        return "<!-- note " + std::to_string(i) + " spans lines";
    if (i % 97 == 8)
        return "   end of note -->";
    return "<p class=\"row\">Line " + std::to_string(i) + " &amp; text</p>      ";
}

std::unique_ptr<TSynMemo> makeEditor(TSynHTMLSyn& html) {
    auto memo = std::make_unique<TSynMemo>();
    memo->setActiveLineColor(rgb(0xDD, 0xED, 0xFF));
    TSynGutter g = memo->Gutter();
    g.ShowLineNumbers = true;
    g.Gradient = true;
    memo->setGutter(g);
    memo->setHighlighter(&html);
    memo->resize(1000, 700);
    memo->show();
    return memo;
}

// Median of `rounds` keystroke-to-repaint times with the caret on `line`.
double keystrokeMs(TSynMemo& memo, int line, int rounds) {
    memo.model().setCaretAndSelection({5, line}, {5, line}, {5, line});
    memo.ensureCaretVisible();
    memo.renderToImage();
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto t = Clock::now();
        memo.CommandProcessor(ecChar, 'x');
        memo.renderToImage();
        times.push_back(msSince(t));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TSynHTMLSyn html;
    TSynHTMLSyn::applyProgramColours(html);
    const int kLines = argc > 1 ? std::atoi(argv[1]) : 2'000'000;

    // Baseline: the first paint of a one-screen document, after one paint has loaded the fonts.
    auto warm = makeEditor(html);
    warm->model().addLine(makeLine(0));
    warm->renderToImage();
    auto small = makeEditor(html);
    for (int i = 0; i < 50; ++i)
        small->model().addLine(makeLine(i));
    auto t = Clock::now();
    small->renderToImage();
    const double smallPaint = msSince(t);

    auto memo = makeEditor(html);
    std::int64_t bytes = 0;
    t = Clock::now();
    for (int i = 0; i < kLines; ++i) {
        const std::string l = makeLine(i);
        bytes += static_cast<std::int64_t>(l.size()) + 2;
        memo->model().addLine(l);
    }
    const double loadMs = msSince(t);
    t = Clock::now();
    memo->renderToImage();
    const double firstPaint = msSince(t);
    std::printf("document: %d lines, %.1f MB\n", kLines, static_cast<double>(bytes) / 1e6);
    std::printf("loading by Lines add: %.0f ms (%.0f MB/s)\n", loadMs,
                static_cast<double>(bytes) / 1e3 / loadMs);
    std::printf("first paint after loading: %.2f ms (one-screen document: %.2f ms, ratio %.1fx; "
                "target < 1000 ms)\n",
                firstPaint, smallPaint, firstPaint / smallPaint);
    std::printf("lines scanned for it: %d of %d\n", memo->scannedLines(), kLines);

    // Jumping to the end before the idle scan has run: the end states of every line above the
    // view are computed first, so this is the scanning speed.
    t = Clock::now();
    memo->model().setCaretAndSelection({1, kLines}, {1, kLines}, {1, kLines});
    memo->ensureCaretVisible();
    memo->renderToImage();
    const double endPaint = msSince(t);
    std::printf("paint at the last line right after loading (scans all lines above): %.0f ms "
                "(%.0f MB/s)\n",
                endPaint, static_cast<double>(bytes) / 1e3 / endPaint);

    const int deep = std::max(1, kLines / 2);
    const double top = keystrokeMs(*memo, 1, 200);
    const double middle = keystrokeMs(*memo, deep, 200);
    std::printf("keystroke to repaint at line 1: %.3f ms\n", top);
    std::printf("keystroke to repaint at line %d: %.3f ms (ratio %.2fx; targets < 5 ms, "
                "within 2x)\n",
                deep, middle, middle / top);
    memo->setHighlighter(nullptr);
    small->setHighlighter(nullptr);
    warm->setHighlighter(nullptr);
    return 0;
}
