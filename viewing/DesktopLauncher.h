#pragma once

// Starting the desktop's programs on a file: the user's browser on a page, the desktop's handler
// on a document. Programs are started from an argument list without a shell, so no character of a
// path is ever interpreted; a program that cannot be started, or that gives up with a failure
// right after its start, is reported as a failure to the caller.

#include <QString>
#include <QStringList>

#include <optional>

namespace varlo {

class DesktopLauncher {
public:
    // How long a started program is watched for an early failure. A browser that is still
    // running then has shown its window or is about to; a handler such as xdg-open that has
    // handed the file on, or found no program for it, has exited by then. Only a program that
    // goes on running costs the whole watch.
    static constexpr int kWatchMs = 800;

    // Starts `program` with `arguments` (searched on PATH when it has no "/"). False when it
    // could not be started or exited with a failure within `watchMs`.
    static bool start(const QString& program, const QStringList& arguments, int watchMs = kWatchMs);

    // The browser command for a path: the first entry of $BROWSER (entries are separated by
    // ":", words by blanks, a "%s" word stands for the path, otherwise the path goes last),
    // or xdg-open when $BROWSER is unset or empty.
    static QStringList browserCommand(const QString& path);

    // The desktop file that handles a MIME type, as the desktop's MIME database answers; nothing
    // when no handler is set or the database cannot be asked.
    static std::optional<QString> defaultHandler(const QString& mimeType);
};

} // namespace varlo
