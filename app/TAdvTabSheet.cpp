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
    emit captionChanged();
}

void TAdvTabSheet::placeEditor(TSynMemo* editor) {
    editor_ = editor;
    editor->setParent(this);
    layout()->addWidget(editor);
    editor->show();
}

} // namespace varlo
