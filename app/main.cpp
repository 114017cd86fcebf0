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
#include <QLibraryInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QTranslator>

#include <csignal>
#include <cstdio>
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

// How long a later start waits for a running instance that is still starting up.
constexpr int kWaitForRunningMs = 10000;

// The later start's side. Returns the exit code, or nothing when the running instance turned
// out to be gone and this process holds the lock now: it then starts as the first instance.
std::optional<int> runSecondStart(int argc, char** argv) {
    // No display is needed (nor opened) to hand over a path.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    std::optional<QString> path;
    if (!args.isEmpty()) // the running window works in another folder
        path = QFileInfo(args.constFirst()).absoluteFilePath();
    const QString handleFile = failsDir() + QStringLiteral("/handle.ini");
    const auto result = varlo::SingleInstance::handOffOrTakeOver(
        [&] { return varlo::IniFile(handleFile).readInteger("Program", "Handle", 0); }, path,
        kWaitForRunningMs);
    switch (result) {
    case varlo::SingleInstance::HandOffResult::Delivered:
        return 0;
    case varlo::SingleInstance::HandOffResult::BecameFirst:
        return std::nullopt;
    case varlo::SingleInstance::HandOffResult::NoAnswer:
        break;
    }
    std::fprintf(stderr, "Varlo: запущенная программа не отвечает, %s\n",
                 path ? ("файл не передан: " + path->toStdString()).c_str()
                      : "окно не выведено на передний план");
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (!varlo::SingleInstance::acquireLock()) {
        if (const std::optional<int> code = runSecondStart(argc, argv))
            return *code;
    }
    // This process holds the lock: any instance socket left in the runtime folder is stale.
    varlo::SingleInstance::removeStaleSockets();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varlo"));
    // Qt's own texts in Russian: its dialogs' buttons and the system's reasons for a failure.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
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
