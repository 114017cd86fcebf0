#include "app/SingleInstance.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varlo {

namespace {

// The message: one kind byte, then for an open the path as UTF-8 after its length in four bytes
// (least significant first).
constexpr char kFront = 'F';
constexpr char kOpen = 'O';
constexpr char kReply = 'R';
// A path of any real length fits; anything larger is garbage and ends the connection.
constexpr quint32 kMaxMessage = 1 << 16;
constexpr int kConnectMs = 5000;

QString userTag() {
    return QString::number(static_cast<qulonglong>(::getuid()));
}

} // namespace

QString SingleInstance::runtimeDir() {
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(xdg).isDir())
        return xdg;
    return QStringLiteral("/tmp");
}

QString SingleInstance::lockPath() {
    return runtimeDir() + QLatin1Char('/') + QLatin1String(kInstanceMutexName) + QLatin1Char('-') +
           userTag() + QStringLiteral(".lock");
}

QString SingleInstance::serverName(qint64 handle) {
    return runtimeDir() + QLatin1Char('/') + QLatin1String(kInstanceMutexName) + QLatin1Char('-') +
           userTag() + QLatin1Char('-') + QString::number(handle);
}

QString SingleInstance::fallbackServerName() {
    return runtimeDir() + QLatin1Char('/') + QLatin1String(kInstanceMutexName) + QLatin1Char('-') +
           userTag() + QStringLiteral(".socket");
}

void SingleInstance::removeStaleSockets() {
    const QString prefix = QLatin1String(kInstanceMutexName) + QLatin1Char('-') + userTag();
    const QDir dir(runtimeDir());
    QStringList names = dir.entryList({prefix + QStringLiteral("-*")}, QDir::System | QDir::Files);
    names << QFileInfo(fallbackServerName()).fileName();
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat st = {};
        if (::lstat(path.constData(), &st) == 0 && S_ISSOCK(st.st_mode))
            ::unlink(path.constData());
    }
}

bool SingleInstance::acquireLock() {
    // Close-on-exec keeps programs that we start (a browser) from inheriting the lock and so
    // keeping it after we end.
    const QByteArray path = QFile::encodeName(lockPath());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true; // held until the process ends; the descriptor is never closed
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return !busy;
}

bool SingleInstance::handOff(qint64 handle, const std::optional<QString>& path) {
    if (handle == 0)
        return false;
    return deliver(serverName(handle), path);
}

SingleInstance::HandOffResult
SingleInstance::handOffOrTakeOver(const std::function<qint64()>& readHandle,
                                  const std::optional<QString>& path, int waitMs) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (handOff(readHandle(), path) || deliver(fallbackServerName(), path))
            return HandOffResult::Delivered;
        if (acquireLock())
            return HandOffResult::BecameFirst;
        // The running instance is still starting: its receiver comes up in a moment.
        if (waited.elapsed() >= waitMs)
            return HandOffResult::NoAnswer;
        QThread::msleep(50);
    }
}

bool SingleInstance::deliver(const QString& name, const std::optional<QString>& path) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    QByteArray message;
    if (path) {
        const QByteArray utf8 = path->toUtf8();
        const auto n = static_cast<quint32>(utf8.size());
        message.append(kOpen);
        for (int i = 0; i < 4; ++i)
            message.append(static_cast<char>((n >> (8 * i)) & 0xFF));
        message.append(utf8);
    } else {
        message.append(kFront);
    }
    socket.write(message);
    if (!socket.waitForBytesWritten(kConnectMs))
        return false;
    // The running window may show a message box while it handles the path; wait for as long as
    // that takes. A window that goes away closes the connection and ends the wait.
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(-1))
            return false;
    }
    return true;
}

HandOffServer::HandOffServer(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), fallback_(new QLocalServer(this)) {
    for (QLocalServer* s : {server_, fallback_}) {
        s->setSocketOptions(QLocalServer::UserAccessOption);
        connect(s, &QLocalServer::newConnection, this, [this, s] { accept(s); });
    }
}

HandOffServer::~HandOffServer() {
    close();
}

bool HandOffServer::listen(qint64 handle) {
    close();
    const QString name = SingleInstance::serverName(handle);
    const QString fallback = SingleInstance::fallbackServerName();
    // A socket file left by an earlier run that crashed would block the name.
    QLocalServer::removeServer(name);
    QLocalServer::removeServer(fallback);
    const bool byHandle = server_->listen(name);
    const bool byFallback = fallback_->listen(fallback);
    return byHandle || byFallback;
}

void HandOffServer::close() {
    for (QLocalServer* s : {server_, fallback_})
        if (s->isListening())
            s->close();
}

void HandOffServer::accept(QLocalServer* server) {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        if (socket->bytesAvailable() > 0)
            readFrom(socket);
    }
}

void HandOffServer::readFrom(QLocalSocket* socket) {
    if (socket->property("handled").toBool())
        return;
    const QByteArray data = socket->peek(socket->bytesAvailable());
    if (data.isEmpty())
        return;
    bool front = false;
    QString path;
    if (data[0] == kFront) {
        front = true;
    } else if (data[0] == kOpen) {
        if (data.size() < 5)
            return;
        quint32 n = 0;
        for (int i = 0; i < 4; ++i)
            n |= static_cast<quint32>(static_cast<unsigned char>(data[1 + i])) << (8 * i);
        if (n > kMaxMessage) {
            socket->abort();
            return;
        }
        if (static_cast<quint32>(data.size()) < 5 + n)
            return; // the rest is still on its way
        path = QString::fromUtf8(data.constData() + 5, static_cast<qsizetype>(n));
    } else {
        socket->abort();
        return;
    }
    socket->readAll();
    socket->setProperty("handled", true);
    // The handler may run a message box's event loop, in which the sender can go away and its
    // socket be deleted.
    const QPointer<QLocalSocket> alive(socket);
    if (front) {
        if (onBringToFront)
            onBringToFront();
    } else if (onOpen) {
        onOpen(path);
    }
    if (alive && alive->state() == QLocalSocket::ConnectedState) {
        alive->write(&kReply, 1);
        alive->flush();
    }
}

} // namespace varlo
