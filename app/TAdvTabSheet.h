#pragma once

#include <QString>
#include <QWidget>

#include <functional>

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

signals:
    void captionChanged();

private:
    QString caption_;
    TSynMemo* editor_ = nullptr;
};

} // namespace varlo
