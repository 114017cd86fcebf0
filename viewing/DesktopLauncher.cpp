#include "viewing/DesktopLauncher.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <cerrno>
#include <chrono>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace varlo {

namespace {

// A child that outlives the watch is waited for in the background, so that it leaves no zombie
// behind when it ends; nothing else is shared with that thread.
void reapLater(pid_t pid) {
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

} // namespace

bool DesktopLauncher::start(const QString& program, const QStringList& arguments, int watchMs) {
    if (program.isEmpty())
        return false;
    std::vector<QByteArray> bytes;
    bytes.push_back(program.toLocal8Bit());
    for (const QString& a : arguments)
        bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);

    // The child gets none of the program's descriptors beyond the standard three: the instance
    // lock and the hand-off server must not outlive the program in a browser.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    // A process group of its own: a terminal's Ctrl+C for the editor does not end the browser.
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return false;

    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(watchMs);
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0 && errno != EINTR)
            return true; // already reaped elsewhere: it did start
        if (std::chrono::steady_clock::now() >= until)
            break;
        QThread::msleep(10);
    }
    reapLater(pid);
    return true;
}

QStringList DesktopLauncher::browserCommand(const QString& path) {
    const QString browser = qEnvironmentVariable("BROWSER");
    for (const QString& entry : browser.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        QStringList words = entry.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        bool placed = false;
        for (QString& w : words) {
            if (w == QStringLiteral("%s")) {
                w = path;
                placed = true;
            }
        }
        if (!placed)
            words << path;
        return words;
    }
    return {QStringLiteral("xdg-open"), path};
}

std::optional<QString> DesktopLauncher::defaultHandler(const QString& mimeType) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        query.kill();
        query.waitForFinished(1000);
        return std::nullopt;
    }
    const QString handler = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    if (handler.isEmpty())
        return std::nullopt;
    return handler;
}

} // namespace varlo
