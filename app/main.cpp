// Start-up: a later start hands its file (or the request to come to the front) to the running
// window and ends without a window of its own; the first start opens the main window.

#include "app/IniFile.h"
#include "app/QtRussian.h"
#include "app/SingleInstance.h"
#include "app/Unit1.h"
#include "resources/Pictures.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>

#include <csignal>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onTerminate(int) {
    const char b = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &b, 1);
}

QString failsDir() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Fails");
}

int runSecondStart(int argc, char** argv) {
    // No display is needed (nor opened) to hand over a path.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const varlo::IniFile ini(failsDir() + QStringLiteral("/handle.ini"));
    const qint64 handle = ini.readInteger("Program", "Handle", 0);
    std::optional<QString> path;
    if (!args.isEmpty()) // the running window works in another folder
        path = QFileInfo(args.constFirst()).absoluteFilePath();
    varlo::SingleInstance::handOff(handle, path);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (!varlo::SingleInstance::acquireLock())
        return runSecondStart(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varlo"));
    // No display name: Qt would append it to every window title.
    QApplication::setWindowIcon(varlo::ProgramIcon());
    // The desktop matches the windows to varlo.desktop by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("varlo"));
    varlo::InstallQtRussian(app);

    varlo::StartOptions options;
    options.failsDir = failsDir();
    options.arguments = app.arguments().mid(1);
    options.acceptHandOff = true;
    varlo::TForm1 form(options);

    // A termination request (a session ending, kill) closes the window the ordinary way: the
    // save prompts, the history and the handle record all happen as for the Exit command.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form] {
            char b;
            [[maybe_unused]] const auto n = ::read(signalPipe[0], &b, 1);
            form.close();
        });
        struct sigaction sa = {};
        sa.sa_handler = onTerminate;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &sa, nullptr);
        sigaction(SIGINT, &sa, nullptr);
    }

    form.show();
    return app.exec();
}
