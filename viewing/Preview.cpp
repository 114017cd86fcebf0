#include "viewing/Preview.h"

#include "editing/DialogService.h"
#include "viewing/DesktopLauncher.h"

#include <QFileInfo>

#include <stdexcept>

namespace varlo {

void PreviewInBrowser(const QString& path) {
    QStringList command = DesktopLauncher::browserCommand(path);
    const QString program = command.takeFirst();
    if (!DesktopLauncher::start(program, command))
        throw std::runtime_error("the browser could not be started");
}

void OpenTagReference(const QString& failsDir) {
    const QString chm = failsDir + QStringLiteral("/tags.chm");
    if (!QFileInfo(chm).isFile())
        return;
    // Without a viewer for compiled help the desktop would hand the file to whatever takes any
    // file (often the browser, which only offers to download it), so it is asked first.
    if (DesktopLauncher::defaultHandler(QLatin1String(kTagReferenceMimeType)) &&
        DesktopLauncher::start(QStringLiteral("xdg-open"), {chm}))
        return;
    PreviewInBrowser(failsDir + QStringLiteral("/tags/index.html"));
}

void ShowSaveFirst() {
    DialogService& dialogs = DialogService::instance();
    dialogs.beep(DialogService::Sound::Asterisk);
    // The standard information box, placed by the platform.
    dialogs.showMessage(DialogService::Message::ok(QStringLiteral("Information"),
                                                   QStringLiteral("Сначала надо сохранить"),
                                                   DialogService::Icon::Information));
}

} // namespace varlo
