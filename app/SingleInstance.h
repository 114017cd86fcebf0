#pragma once

// One running instance per user: a lock held for the life of the process decides which process
// is the running instance (the kernel drops it when the process ends, crash included), and a
// local socket whose name carries the running window's handle receives what later starts hand
// over. The running instance also listens under a name built from the lock's name and the user
// id alone, so a later start finds it even when handle.ini holds 0, garbage or a stale number,
// or could not be written at all. A later start never reports success without delivering: it
// waits (bounded) for a running instance that is still starting, and becomes the running
// instance itself when the lock turns out to be free.

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
// The socket that every running instance listens on, whatever its handle.
QString fallbackServerName();
// Removes the socket files that instances of this user left behind (a crash, kill -9); only the
// lock's holder may call it.
void removeStaleSockets();

// Takes the instance lock for the rest of the process's life. False when another process holds
// it (an instance is running); a lock file that cannot be opened at all counts as no instance.
bool acquireLock();

// The second start's side: sends the path (or, without one, the request to come to the front)
// to the window with this handle and waits until that window has handled it. False when no
// window answered (handle 0, a stale handle, a refused connection).
bool handOff(qint64 handle, const std::optional<QString>& path);
// The same through the socket of that name.
bool deliver(const QString& name, const std::optional<QString>& path);

enum class HandOffResult { Delivered, BecameFirst, NoAnswer };
// Tries, until waitMs have passed: the window that readHandle() names (read anew each time),
// then the fallback socket; when the lock is free, takes it (BecameFirst: this process is now
// the running instance). NoAnswer when the lock stays held and nothing answered.
HandOffResult handOffOrTakeOver(const std::function<qint64()>& readHandle,
                                const std::optional<QString>& path, int waitMs);

} // namespace SingleInstance

// The running window's side: accepts the two messages of later starts, runs the matching
// callback on the GUI thread and only then sends the one-byte reply the sender waits for.
class HandOffServer : public QObject {
    Q_OBJECT
public:
    explicit HandOffServer(QObject* parent = nullptr);
    ~HandOffServer() override;

    // Listens under the name built from the handle and under the fallback name; the sockets are
    // reachable by this user only. True when later starts can reach it under either name.
    bool listen(qint64 handle);
    void close();

    std::function<void()> onBringToFront;
    std::function<void(const QString& path)> onOpen;

private:
    void accept(QLocalServer* server);
    void readFrom(QLocalSocket* socket);

    QLocalServer* server_;
    QLocalServer* fallback_;
};

} // namespace varlo
