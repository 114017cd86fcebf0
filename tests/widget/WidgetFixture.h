#pragma once

#include "editor/highlight/TSynCustomHighlighter.h"
#include "editor/widget/TSynMemo.h"
#include "tests/support/LineTokenHighlighter.h"

#include <memory>
#include <string>
#include <vector>

namespace varlo::test {

// A highlighter with one token per line, drawn with `attribute`: enough to check how the editor
// paints tokens that have colours of their own.
class OneTokenHighlighter : public LineTokenHighlighter {
public:
    OneTokenHighlighter() : attr(add("Tok")) { tokenAttribute = attr; }
    TSynHighlighterAttributes* attr;
};

// A highlighter that never moves forward: it keeps handing out empty tokens.
class StuckHighlighter : public OneTokenHighlighter {
public:
    bool getEol() const override { return false; }
    std::string_view getToken() const override { return {}; }
    void next() override {}
};

// An editor with the program's settings, shown on the offscreen screen.
inline std::unique_ptr<TSynMemo> programEditor(const std::vector<std::string>& lines,
                                               QSize size = QSize(800, 400)) {
    auto memo = std::make_unique<TSynMemo>();
    memo->setColor(rgb(0xF9, 0xF9, 0xF9));
    memo->setActiveLineColor(rgb(0xDD, 0xED, 0xFF));
    memo->setWantTabs(true);
    TSynGutter g = memo->Gutter();
    g.ShowLineNumbers = true;
    g.Gradient = true;
    g.UseFontStyle = true;
    g.BorderColor = clMenuHighlight;
    g.GradientStartColor = clInactiveCaptionText;
    g.GradientEndColor = clSkyBlue;
    memo->setGutter(g);
    for (const auto& l : lines)
        memo->model().addLine(l);
    memo->resize(size);
    memo->show();
    return memo;
}

inline QColor qc(TColor c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

} // namespace varlo::test
