#pragma once

#include "app/FileIdentity.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace varlo {

class TSynMemo;

// One page of the page control: it holds exactly one editor, filling it. The caption is kept as
// it is; the tab shows it with "&" doubled so that Qt draws no accelerator mark.
class TAdvTabSheet : public QWidget {
    Q_OBJECT
public:
    explicit TAdvTabSheet(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    // The page's only child control; nullptr before it is placed.
    TSynMemo* editor() const { return editor_; }
    void placeEditor(TSynMemo* editor);

    // Asked when the page's close button starts a close request; the answer comes preset to
    // true and the handler may set it to false.
    std::function<void(bool& canClose)> OnCanClose;

    // The page's file as the page last read or wrote it; a save over a file that differs from it
    // asks first. Empty while the page has no file.
    std::optional<FileIdentity> DiskState;
    // The file as the user last heard of it; the check on activation speaks only of changes
    // after it, so each change (or the file's removal) is told once.
    std::optional<FileIdentity> SeenState;

signals:
    void captionChanged();

private:
    QString caption_;
    TSynMemo* editor_ = nullptr;
};

} // namespace varlo
