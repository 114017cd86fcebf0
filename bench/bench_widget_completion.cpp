// Switching the highlighter of a large page and opening the completion popup on it. Each figure
// is printed beside the same operation on a one-screen page, measured in the same run.

#include "editor/highlight/HighlighterCatalogue.h"
#include "editor/highlight/TSynHTMLSyn.h"
#include "editor/widget/HtmlTagProposals.h"
#include "editor/widget/TSynCompletionProposal.h"
#include "editor/widget/TSynMemo.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

using namespace varlo;
using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

std::unique_ptr<TSynMemo> page(int lines, TSynCustomHighlighter* h) {
    auto memo = std::make_unique<TSynMemo>();
    memo->setHighlighter(h);
    for (int i = 0; i < lines; ++i)
        memo->model().addLine("<p class=\"row\">Line " + std::to_string(i) + " &amp; text</p>");
    memo->resize(1000, 700);
    memo->show();
    memo->renderToImage();
    return memo;
}

// Switching to another highlighter and painting the visible screen.
double switchMs(TSynMemo& memo, TSynCustomHighlighter* other) {
    const auto t = Clock::now();
    memo.setHighlighter(other);
    memo.renderToImage();
    return msSince(t);
}

// Opening the popup at the caret on the last line (the timer's step), then closing it.
double openMs(TSynCompletionProposal& teg, TSynMemo& memo) {
    const int last = memo.model().lineCount();
    memo.model().setCaretAndSelection({3, last}, {3, last}, {3, last});
    const auto t = Clock::now();
    teg.Execute(&memo);
    const double ms = msSince(t);
    teg.Cancel();
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int kLines = argc > 1 ? std::atoi(argv[1]) : 2'000'000;
    TSynHTMLSyn html;
    TSynHTMLSyn::applyProgramColours(html);
    // Python, as a user switches a page from HTML to it.
    const auto python = createConfiguredHighlighter(12);
    TSynCustomHighlighter* other = python.get();

    auto small = page(50, &html);
    auto large = page(kLines, &html);
    const double smallSwitch = switchMs(*small, other);
    const double largeSwitch = switchMs(*large, other);
    std::printf("switch highlighter + paint: %d lines %.2f ms, 50 lines %.2f ms, ratio %.2f "
                "(goal: under 50 ms)\n",
                kLines, largeSwitch, smallSwitch, largeSwitch / std::max(0.001, smallSwitch));

    QWidget owner;
    TSynCompletionProposal teg(&owner);
    teg.ItemList = HtmlTagProposals::itemList();
    teg.InsertList = HtmlTagProposals::insertList();
    teg.TriggerChars = "<";
    teg.EndOfTokenChr = "()< ";
    teg.AddEditor(small.get());
    teg.AddEditor(large.get());
    openMs(teg, *small); // the first opening builds the window
    double smallOpen = 1e9, largeOpen = 1e9;
    for (int i = 0; i < 5; ++i) {
        smallOpen = std::min(smallOpen, openMs(teg, *small));
        largeOpen = std::min(largeOpen, openMs(teg, *large));
    }
    std::printf("open the completion popup: %d lines %.3f ms, 50 lines %.3f ms, ratio %.2f\n",
                kLines, largeOpen, smallOpen, largeOpen / std::max(0.001, smallOpen));
    return 0;
}
