#include "dialogs/ElementDialogFrame.h"

#include "dialogs/ButtonEdit.h"
#include "dialogs/DialogLook.h"
#include "dialogs/OptionCheckBox.h"
#include "dialogs/SpinEdit.h"
#include "editing/DialogService.h"
#include "editing/FailureHandler.h"
#include "editing/Vspom.h"
#include "editor/document/EditorModel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QPushButton* bottomButton(const char* name, const QString& caption, const QIcon& glyph,
                          const QString& hint, QWidget* parent) {
    auto* b = new QPushButton(glyph, caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAccessibleName(caption);
    b->setAccessibleDescription(hint);
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setMinimumWidth(90);
    return b;
}

} // namespace

ElementDialogFrame::ElementDialogFrame(QWidget* owner, EditorSource editor, const Frame& frame)
    : QDialog(owner), editor_(std::move(editor)), insertion_(frame.insertion) {
    setObjectName(frame.objectName);
    Qt::WindowFlags flags =
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (frame.onTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    setWindowTitle(frame.caption);
    setAccessibleName(frame.caption.trimmed());
    setModal(true);
    setFont(DialogLook::dialogFont());
    // A tool window shows tooltips also while it is not the active window.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setFixedSize(frame.clientSize);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 8, 10, 8);
    body_ = new QWidget(this);
    outer->addWidget(body_, 1);
    outer->addWidget(DialogLook::sectionHeading(QString(), this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    RzBitBtn1 = bottomButton("RzBitBtn1", QStringLiteral("Вставить"), DialogLook::insertGlyph(),
                             frame.insertHint, this);
    RzBitBtn2 = bottomButton("RzBitBtn2", QStringLiteral("Отмена"), DialogLook::cancelGlyph(),
                             frame.cancelHint, this);
    buttons->addWidget(RzBitBtn1);
    buttons->addWidget(RzBitBtn2);
    outer->addLayout(buttons);
    connect(RzBitBtn1, &QPushButton::clicked, this, &ElementDialogFrame::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &ElementDialogFrame::RzBitBtn2Click);
}

int ElementDialogFrame::Open() {
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (owner)
        move(varlo::DialogService::centredTopLeft(owner->frameGeometry(), frameGeometry().size()));
    const int result = exec();
    // The keyboard goes back to the main window, also where no window manager hands it back,
    // so the menu shortcuts work again at once.
    if (owner)
        owner->activateWindow();
    return result;
}

void ElementDialogFrame::RzBitBtn1Click() {
    const bool inserted = varlo::guarded([&] {
        const std::string markup = Markup();
        varlo::EditorModel* editor = editor_ ? editor_() : nullptr;
        if (!editor)
            return;
        if (insertion_ == Insertion::Tag)
            Vspom::InsertTag(*editor, markup);
        else
            editor->setSelectedText(markup);
    });
    if (inserted)
        accept();
}

void ElementDialogFrame::RzBitBtn2Click() {
    reject();
}

void ElementDialogFrame::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window that the desktop restores is not a new showing.
    if (!event->spontaneous())
        varlo::guarded([&] { FormShow(); });
}

void ElementDialogFrame::keyPressEvent(QKeyEvent* event) {
    // Neither bottom button answers Enter or Esc; the keys go no further.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

SpinEdit* ElementDialogFrame::spinEdit(const char* name, int min, int max, const QString& hint) {
    auto* w = new SpinEdit(min, max, body_);
    w->setMinimumWidth(64);
    DialogLook::nameControl(w, QLatin1String(name), hint, hint);
    DialogLook::makeFlat(w, true);
    return w;
}

QLineEdit* ElementDialogFrame::edit(const char* name, const QString& hint) {
    auto* w = new QLineEdit(body_);
    DialogLook::nameControl(w, QLatin1String(name), hint, hint);
    DialogLook::makeFlat(w, false);
    return w;
}

ButtonEdit* ElementDialogFrame::buttonEdit(const char* name, const QString& hint,
                                           const QString& buttonHint) {
    auto* w = new ButtonEdit(body_);
    DialogLook::nameControl(w, QLatin1String(name), hint, hint);
    DialogLook::makeFlat(w, false);
    w->setButtonHint(buttonHint);
    return w;
}

ColorBox* ElementDialogFrame::colorBox(const char* name, ColorBox::DefaultSwatch swatch,
                                       const QString& hint) {
    auto* w = new ColorBox(swatch, body_);
    DialogLook::nameControl(w, QLatin1String(name), hint, hint);
    DialogLook::makeFlat(w, true);
    return w;
}

OptionCheckBox* ElementDialogFrame::checkBox(const char* name, const QString& caption,
                                             const QString& hint) {
    auto* w = new OptionCheckBox(QLatin1String(name), caption, body_);
    if (!hint.isEmpty())
        w->setToolTip(hint);
    return w;
}

QLabel* ElementDialogFrame::label(const QString& text, QWidget* buddy) {
    return DialogLook::label(text, buddy, body_);
}

QWidget* ElementDialogFrame::heading(const QString& text) {
    return DialogLook::sectionHeading(text, body_);
}
