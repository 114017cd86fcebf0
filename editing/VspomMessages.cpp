#include "editing/DialogService.h"
#include "editing/Vspom.h"

#include <QApplication>
#include <QWidget>

namespace Vspom {

namespace {

using varlo::DialogService;

struct KindRow {
    MsgKind kind;
    const char* caption;
    DialogService::Icon icon;
};
constexpr KindRow kKinds[] = {
    {MsgKind::Error, "Error", DialogService::Icon::Error},
    {MsgKind::Information, "Information", DialogService::Icon::Information},
    {MsgKind::Confirmation, "Confirm", DialogService::Icon::Question},
    {MsgKind::Warning, "Warning", DialogService::Icon::Warning},
};

// Stock buttons are always shown in this order, whatever order the caller names them in.
constexpr MsgButton kButtonOrder[] = {mbYes, mbNo, mbOK, mbCancel};

} // namespace

void ReportError() {
    DialogService& dialogs = DialogService::instance();
    dialogs.beep(DialogService::Sound::Hand);
    dialogs.showMessage(DialogService::Message::error(
        QStringLiteral("Error"),
        QStringLiteral("Возникла ошибка. Сообщите автору\rпрограммы о данной ошибке")));
}

MsgButton CenteredMessage(const QString& text, MsgKind kind, MsgButtons buttons) {
    DialogService& dialogs = DialogService::instance();
    dialogs.beep(DialogService::Sound::Asterisk);
    DialogService::Message m;
    m.text = text;
    for (const KindRow& row : kKinds) {
        if (row.kind == kind) {
            m.caption = QString::fromLatin1(row.caption);
            m.icon = row.icon;
        }
    }
    for (MsgButton b : kButtonOrder)
        if (buttons & b)
            m.buttons << static_cast<DialogService::Button>(b);
    if (buttons & mbOK)
        m.defaultButton = DialogService::Ok;
    else if (buttons & mbYes)
        m.defaultButton = DialogService::Yes;
    if (buttons & mbCancel)
        m.escapeButton = DialogService::Cancel;
    else if (buttons & mbNo)
        m.escapeButton = DialogService::No;
    else if (buttons & mbOK)
        m.escapeButton = DialogService::Ok;
    // Centred like the error box: over the active window, or where the platform puts it before
    // any window of the program has been active.
    m.centreOver = QApplication::activeWindow();
    return static_cast<MsgButton>(dialogs.showMessage(m));
}

} // namespace Vspom
