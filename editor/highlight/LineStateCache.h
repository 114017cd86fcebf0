#pragma once

#include "editor/document/EditorModel.h"
#include "editor/document/SplitVector.h"

#include <climits>
#include <cstdint>
#include <functional>

namespace varlo {

class TSynCustomHighlighter;

// The end state of every line of a document under one highlighter, kept in step with the
// document's edits. Lines are scanned lazily from the top: whoever shows a line asks for the
// states up to it, and the rest is scanned in slices when the owner has time. An edit rescans from
// the first changed line and stops at the first line past the change whose end state comes out
// as before; past the horizon (the bottom of the view) the rest is left to the idle slices, which
// give the same states.
// invariant: states_.size() == model.lineCount(); states_[i] is valid for i < scannedUpTo_.
class LineStateCache : private EditorObserver {
public:
    // The end state of a line that has not been scanned since it changed; never a real state,
    // so a rescan never stops on it.
    static constexpr int kUnknownState = INT_MIN;

    // `horizon` gives the 0-based line past which an edit's rescan stops and leaves the rest to
    // the idle slices; `scheduleIdle` asks the owner for idle slices (scanAhead) when lines are
    // left unscanned.
    LineStateCache(EditorModel& model, std::function<int()> horizon,
                   std::function<void()> scheduleIdle);
    ~LineStateCache() override;
    LineStateCache(const LineStateCache&) = delete;
    LineStateCache& operator=(const LineStateCache&) = delete;

    // The highlighter is not owned and may be destroyed before the cache: the cache only touches
    // it while scanning, never on destruction.
    void setHighlighter(TSynCustomHighlighter* h);
    // Forgets every state, as after switching the highlighter on or off.
    void invalidate();
    // A highlighter is set and enabled.
    bool scanning() const;
    // Nothing is left to scan (or there is nothing to scan with).
    bool complete() const;

    // Makes sure the end states of lines [0, line] (0-based) are known.
    void ensureScanned(int line);
    // Scans up to `lines` more lines below the known ones; returns complete().
    bool scanAhead(int lines);
    void scanAll();
    // The stored end state of a line (0-based), scanning up to it first; kUnknownState outside
    // the document or without a highlighter.
    int endState(int line);
    // The state line `line` (0-based) starts in; the line above must be scanned. Line 0 starts
    // from the reset state, for which this gives 0.
    int startState(int line) const { return line > 0 ? states_[line - 1] : 0; }

    // Number of lines at the top whose end state is known.
    int scannedLines() const { return scannedUpTo_; }
    // Lines scanned since the counter was last reset, by edits and by lazy scanning.
    std::int64_t rescannedLines() const { return rescanned_; }
    void resetRescannedLines() { rescanned_ = 0; }

private:
    void modelChanged(const ModelChange& change) override;
    void restart();
    void mirrorLines(int line, int removed, int added);
    int scanLine(int line);
    void rescanFrom(int line, int changedEnd);

    EditorModel& model_;
    std::function<int()> horizon_;
    std::function<void()> scheduleIdle_;
    TSynCustomHighlighter* highlighter_ = nullptr;
    SplitVector<int> states_;
    int scannedUpTo_ = 0;
    std::int64_t rescanned_ = 0;
};

} // namespace varlo
