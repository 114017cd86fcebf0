#include "app/TAdvTabSheet.h"

#include "editor/widget/TSynMemo.h"

#include <QVBoxLayout>

namespace varlo {

TAdvTabSheet::TAdvTabSheet(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void TAdvTabSheet::setCaption(const QString& caption) {
    caption_ = caption;
    // A screen reader names the editor after its page.
    if (editor_)
        editor_->setAccessibleName(caption);
    emit captionChanged();
}

void TAdvTabSheet::placeEditor(TSynMemo* editor) {
    editor_ = editor;
    editor->setAccessibleName(caption_);
    editor->setParent(this);
    layout()->addWidget(editor);
    editor->show();
}

} // namespace varlo
