// Painting of TSynMemo: the text rows with their tokens, the selection, the caret-line band,
// the right edge, the gutter and the caret.

#include "editor/base/Cp1251.h"
#include "editor/highlight/TSynCustomHighlighter.h"
#include "editor/highlight/TokenWalk.h"
#include "editor/widget/SystemColors.h"
#include "editor/widget/TSynMemo.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace varlo {

namespace {} // namespace

// What every row of one paint shares.
struct TSynMemo::RowColors {
    QColor background; // Color, or the whitespace attribute's background
    QColor activeLine; // invalid: no caret-line band
    QColor font;
    QColor selectedBackground;
    QColor selectedForeground;
};

namespace {

// A run of cells drawn with one set of colours.
struct Run {
    int cell = 0; // first cell, 1-based
    QString text;
    bool selected = false;
    bool regular = true; // every character is exactly one cell wide in the font
};

} // namespace

void TSynMemo::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    paintInto(p, e->rect());
}

QImage TSynMemo::renderToImage() {
    updateScrollBars();
    QImage image(viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintInto(p, image.rect());
    return image;
}

void TSynMemo::prepareGlyphTable() {
    const QFontMetrics fm(font());
    for (int b = 0; b < 256; ++b) {
        const QChar ch(cp1251::toUnicode(static_cast<unsigned char>(b)));
        regularGlyph_[static_cast<std::size_t>(b)] = b >= 32 && b != 127 && b != 0x98 &&
                                                     fm.inFont(ch) &&
                                                     fm.horizontalAdvance(ch) == charWidth_;
    }
    fontVariants_.fill(QFont());
    fontVariantReady_.fill(false);
}

const QFont& TSynMemo::styledFont(FontStyles style) {
    const auto i = static_cast<std::size_t>(style & 0x0F);
    if (!fontVariantReady_[i]) {
        QFont f = font();
        f.setBold(style & fsBold);
        f.setItalic(style & fsItalic);
        f.setUnderline(style & fsUnderline);
        f.setStrikeOut(style & fsStrikeOut);
        fontVariants_[i] = f;
        fontVariantReady_[i] = true;
    }
    return fontVariants_[i];
}

void TSynMemo::paintInto(QPainter& p, const QRect& clip) {
    if (caretPending_ || scrollBarsPending_)
        flushPending();
    const QRect area = viewport()->rect();
    const EditorView& v = commands_.view;
    const int count = model_->lineCount();
    const int rows = area.height() / lineHeight_ + 1;
    const int lastShown = std::min(count, v.topLine + rows - 1); // 1-based
    if (charWidth_ != cachedCharWidth_) {
        cachedCharWidth_ = charWidth_;
        prepareGlyphTable();
    }

    // End states up to the last visible line first; the rest follows in idle time.
    const bool highlight = scanning();
    if (highlight && lastShown > 0) {
        states_.ensureScanned(lastShown - 1);
        if (!states_.complete() && !idleScan_.isActive())
            idleScan_.start(0, this);
    }

    RowColors colors;
    colors.background = toQColor(color_);
    if (highlight) {
        if (const auto* ws = highlighter_->getDefaultAttribute(AttributeRole::Whitespace);
            ws && ws->background() != clNone)
            colors.background = toQColor(ws->background());
    }
    if (!colors.background.isValid())
        colors.background = toQColor(clWindow);
    if (activeLineColor_ != clNone)
        colors.activeLine = toQColor(activeLineColor_);
    colors.font = toQColor(fontColor_);
    colors.selectedBackground = toQColor(selectedBackground_);
    colors.selectedForeground = toQColor(selectedForeground_);

    const int gw = gutterWidth();
    p.save();
    p.setClipRect(QRect(gw, 0, std::max(0, area.width() - gw), area.height()) & clip);
    p.fillRect(QRect(gw, 0, area.width() - gw, area.height()), colors.background);
    for (int line = v.topLine; line <= lastShown; ++line) {
        const int y = (line - v.topLine) * lineHeight_;
        if (y >= clip.bottom() + 1 || y + lineHeight_ <= clip.top())
            continue;
        paintLine(p, line, y, colors);
    }
    if (rightEdge_ > 0) {
        const int x = textStart() + (rightEdge_ - (v.leftChar - 1)) * charWidth_;
        if (x >= gw) {
            p.setPen(toQColor(rightEdgeColor_));
            p.drawLine(x, 0, x, area.height());
        }
    }
    paintCaret(p, colors);
    p.restore();
    paintGutter(p, clip);
}

void TSynMemo::paintLine(QPainter& p, int line, int y, const RowColors& colors) {
    const EditorView& v = commands_.view;
    const std::string text = model_->line(line - 1);
    const bool caretLine = line == model_->caret().line;
    const int tw = model_->tabWidth();
    const int firstCell = v.leftChar;
    const int endCell = v.leftChar + (viewport()->width() - textStart()) / charWidth_ + 2;
    const int x0 = textStart();

    // The caret line is one band of ActiveLineColor behind everything.
    auto backgroundOf = [&](const TSynHighlighterAttributes* attr) {
        if (caretLine && colors.activeLine.isValid())
            return colors.activeLine;
        if (attr && attr->background() != clNone)
            return toQColor(attr->background());
        return colors.background;
    };
    auto foregroundOf = [&](const TSynHighlighterAttributes* attr) {
        if (attr && attr->foreground() != clNone)
            return toQColor(attr->foreground());
        return colors.font;
    };

    p.fillRect(QRect(gutterWidth(), y, viewport()->width(), lineHeight_), backgroundOf(nullptr));

    // Selected cells of this row, [selFrom, selTo).
    int selFrom = 0;
    int selTo = 0;
    const bool showSelection = model_->selectionAvailable() && (!hideSelection_ || hasFocus());
    if (showSelection) {
        const Position b = model_->selectionBegin();
        const Position e = model_->selectionEnd();
        if (line >= b.line && line <= e.line) {
            const int len = static_cast<int>(text.size());
            switch (model_->selectionMode()) {
            case SelectionMode::smNormal:
                selFrom = model_->displayColumn(line, line == b.line ? b.column : 1);
                // A selected line break shows as one more cell.
                selTo = line == e.line ? model_->displayColumn(line, e.column)
                                       : model_->displayColumn(line, len + 1) + 1;
                break;
            case SelectionMode::smLine:
                selFrom = 1;
                selTo = model_->displayColumn(line, len + 1) + 1;
                break;
            case SelectionMode::smColumn: {
                const int xb = model_->displayColumn(b.line, b.column);
                const int xe = model_->displayColumn(e.line, e.column);
                selFrom = std::min(xb, xe);
                selTo = std::max(xb, xe);
                break;
            }
            }
        }
    }

    auto drawRun = [&](Run& run, const TSynHighlighterAttributes* attr) {
        if (run.text.isEmpty())
            return;
        const int x = x0 + (run.cell - firstCell) * charWidth_;
        const int width = static_cast<int>(run.text.size()) * charWidth_;
        p.fillRect(QRect(x, y, width, lineHeight_),
                   run.selected ? colors.selectedBackground : backgroundOf(attr));
        p.setFont(styledFont(attr ? attr->style() : 0));
        p.setPen(run.selected ? colors.selectedForeground : foregroundOf(attr));
        if (run.regular) {
            p.drawText(x, y + ascent_, run.text);
        } else {
            // Characters the font does not draw one cell wide go one by one; control bytes
            // show as a small box so that they are never invisible.
            for (qsizetype i = 0; i < run.text.size(); ++i) {
                const int cx = x + static_cast<int>(i) * charWidth_;
                const QChar ch = run.text[i];
                if (ch.unicode() < 32 || ch.unicode() == 127) {
                    p.drawRect(cx + 1, y + lineHeight_ / 4, charWidth_ - 3, lineHeight_ / 2);
                } else {
                    p.drawText(cx, y + ascent_, QString(ch));
                }
            }
        }
        run.text.clear();
        run.regular = true;
    };

    int cell = 1;
    int index = 0;
    auto visit = [&](int pos, std::string_view token, const TSynHighlighterAttributes* attr) {
        // Characters the highlighter skipped keep their cells.
        for (; index < pos && index < static_cast<int>(text.size()); ++index)
            cell += text[static_cast<std::size_t>(index)] == '\t' ? tw - (cell - 1) % tw : 1;
        index = pos;
        if (cell >= endCell)
            return false;
        Run run;
        for (char ch : token) {
            const auto byte = static_cast<unsigned char>(ch);
            const int w = ch == '\t' ? tw - (cell - 1) % tw : 1;
            if (cell >= endCell)
                break;
            for (int k = 0; k < w; ++k, ++cell) {
                if (cell + 1 <= firstCell)
                    continue;
                const bool selected = cell >= selFrom && cell < selTo;
                if (!run.text.isEmpty() && selected != run.selected)
                    drawRun(run, attr);
                if (run.text.isEmpty()) {
                    run.cell = cell;
                    run.selected = selected;
                }
                if (ch == '\t') {
                    run.text.append(QLatin1Char(' '));
                } else {
                    run.text.append(QChar(cp1251::toUnicode(byte)));
                    run.regular = run.regular && regularGlyph_[byte];
                }
            }
            ++index;
        }
        drawRun(run, attr);
        return cell < endCell;
    };

    bool plain = !scanning();
    if (!plain) {
        const int i = line - 1;
        try {
            TokenWalk(*highlighter_).line(text, i, i == 0, states_.startState(i), visit);
        } catch (const std::runtime_error& e) {
            // The rest of the line goes out untokenised; the fault is reported once.
            if (lastPaintError_.isEmpty()) {
                lastPaintError_ = QString::fromUtf8(e.what());
                qWarning("%s", e.what());
            }
            if (index < static_cast<int>(text.size()))
                visit(index, std::string_view(text).substr(static_cast<std::size_t>(index)),
                      nullptr);
        }
    } else {
        visit(0, text, nullptr);
    }

    // Selected cells past the text: the line break, free space of a column block.
    const int textEnd =
        std::max(cell, model_->displayColumn(line, static_cast<int>(text.size()) + 1));
    const int from = std::max({selFrom, textEnd, firstCell});
    if (selTo > from) {
        p.fillRect(QRect(x0 + (from - firstCell) * charWidth_, y, (selTo - from) * charWidth_,
                         lineHeight_),
                   colors.selectedBackground);
    }
}

void TSynMemo::paintCaret(QPainter& p, const RowColors& colors) {
    if (dropShown_) {
        const QPoint d = pointOf(dropPosition_);
        p.fillRect(QRect(d.x(), d.y(), 2, lineHeight_), colors.font);
    }
    if (!(hasFocus() || caretHeld_) || !caretShown_)
        return;
    const QPoint c = pointOf(model_->caret());
    if (c.x() < gutterWidth())
        return;
    if (model_->insertMode()) {
        p.fillRect(QRect(c.x(), c.y(), 2, lineHeight_), colors.font);
    } else {
        p.save();
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.fillRect(QRect(c.x(), c.y(), charWidth_, lineHeight_), Qt::white);
        p.restore();
    }
}

void TSynMemo::paintGutter(QPainter& p, const QRect& clip) {
    const int w = gutterWidth();
    if (w <= 0 || clip.left() >= w)
        return;
    const int h = viewport()->height();
    const QColor face = toQColor(gutter_.Color);
    if (gutter_.Gradient) {
        const int steps = std::clamp(gutter_.GradientSteps, 2, 256);
        const TColor s = resolveColor(gutter_.GradientStartColor);
        const TColor e = resolveColor(gutter_.GradientEndColor);
        for (int i = 0; i < steps; ++i) {
            const int x1 = i * w / steps;
            const int x2 = (i + 1) * w / steps;
            auto channel = [&](int a, int b) { return a + (b - a) * i / (steps - 1); };
            const QColor band(channel(redOf(s), redOf(e)), channel(greenOf(s), greenOf(e)),
                              channel(blueOf(s), blueOf(e)));
            p.fillRect(QRect(x1, 0, x2 - x1, h), band);
        }
    } else {
        p.fillRect(QRect(0, 0, w, h), face);
    }

    const EditorView& v = commands_.view;
    const int count = std::max(1, model_->lineCount());
    const int rows = h / lineHeight_ + 1;
    const int last = std::min(count, v.topLine + rows - 1);
    if (gutter_.ShowLineNumbers) {
        const QFont& f = gutter_.UseFontStyle ? gutter_.Font : font();
        const QFontMetrics fm(f);
        const int cw = gutter_.UseFontStyle ? gutterCharWidth_ : charWidth_;
        p.setFont(f);
        p.setPen(gutter_.UseFontStyle ? toQColor(gutter_.FontColor) : toQColor(fontColor_));
        const int digits = gutterDigits();
        for (int line = v.topLine; line <= last; ++line) {
            const int number = line - 1 + gutter_.LineNumberStart;
            // Right-aligned in the digit field; wider numbers keep all their digits.
            QString label = QString::number(number);
            label = label.rightJustified(digits, gutter_.LeadingZeros ? QLatin1Char('0')
                                                                      : QLatin1Char(' '));
            const int y = (line - v.topLine) * lineHeight_;
            const int x = w - gutter_.RightOffset - 2 - static_cast<int>(label.size()) * cw;
            const int baseline = y + (lineHeight_ - fm.height()) / 2 + fm.ascent();
            p.drawText(x, baseline, label);
        }
    }

    // Bookmark glyphs: a small numbered tag at the gutter's left.
    const QFontMetrics bm(gutter_.Font);
    for (int n = 0; n < 10; ++n) {
        const auto mark = model_->bookmark(n);
        if (!mark || mark->line < v.topLine || mark->line > last)
            continue;
        const int y = (mark->line - v.topLine) * lineHeight_;
        const int side = std::min(lineHeight_ - 2, 13);
        const QRect r(2, y + (lineHeight_ - side) / 2, side - 1, side - 1);
        p.setPen(QColor(0x00, 0x40, 0x80));
        p.setBrush(QColor(0xFF, 0xFF, 0xE0));
        p.drawRoundedRect(r, 2, 2);
        p.setBrush(Qt::NoBrush);
        p.setFont(gutter_.Font);
        p.drawText(r, Qt::AlignCenter, QString::number(n));
    }

    // The middle border.
    p.setPen(toQColor(gutter_.BorderColor));
    p.drawLine(w - 2, 0, w - 2, h);
    p.setPen(face);
    p.drawLine(w - 1, 0, w - 1, h);
}

} // namespace varlo
