#pragma once

// One running instance per user: a lock held for the life of the process decides which process
// is the running instance (the kernel drops it when the process ends, crash included), and a
// local socket whose name carries the running window's handle receives what later starts hand
// over. A later start that reads a handle of 0, or a stale one, reaches no socket and gives up.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLocalServer;
class QLocalSocket;

namespace varlo {

inline constexpr char kInstanceMutexName[] = "img_view_project_mutex_from_zandrik";

namespace SingleInstance {

// $XDG_RUNTIME_DIR when it names a folder, else /tmp.
QString runtimeDir();
QString lockPath();
// The socket of the window with this handle.
QString serverName(qint64 handle);

// Takes the instance lock for the rest of the process's life. False when another process holds
// it (an instance is running); a lock file that cannot be opened at all counts as no instance.
bool acquireLock();

// The second start's side: sends the path (or, without one, the request to come to the front)
// to the window with this handle and waits until that window has handled it. False when no
// window answered (handle 0, a stale handle, a refused connection).
bool handOff(qint64 handle, const std::optional<QString>& path);

} // namespace SingleInstance

// The running window's side: accepts the two messages of later starts, runs the matching
// callback on the GUI thread and only then sends the one-byte reply the sender waits for.
class HandOffServer : public QObject {
    Q_OBJECT
public:
    explicit HandOffServer(QObject* parent = nullptr);
    ~HandOffServer() override;

    // Listens under the name built from the handle; the socket is reachable by this user only.
    bool listen(qint64 handle);
    void close();

    std::function<void()> onBringToFront;
    std::function<void(const QString& path)> onOpen;

private:
    void accept();
    void readFrom(QLocalSocket* socket);

    QLocalServer* server_;
};

} // namespace varlo
