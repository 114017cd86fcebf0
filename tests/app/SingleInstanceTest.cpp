#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using varlo::HandOffServer;
namespace SingleInstance = varlo::SingleInstance;

namespace {

// Each test gets a private runtime folder, as two instances of different users would.
class HandOff : public testing::Test {
protected:
    void SetUp() override {
        saved_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", saved_); }

    // Runs the sender on its own thread (it blocks until the reply) while this thread serves.
    bool send(qint64 handle, std::optional<QString> path) {
        std::atomic<int> result{-1};
        std::thread sender([&] { result = SingleInstance::handOff(handle, path) ? 1 : 0; });
        QElapsedTimer t;
        t.start();
        while (result < 0 && t.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        sender.join();
        return result == 1;
    }

    QTemporaryDir dir_;
    QByteArray saved_;
};

TEST_F(HandOff, NamesLiveInTheRuntimeFolderAndCarryTheHandle) {
    EXPECT_EQ(SingleInstance::runtimeDir(), dir_.path());
    EXPECT_TRUE(SingleInstance::lockPath().startsWith(
        dir_.path() + QStringLiteral("/img_view_project_mutex_from_zandrik-")));
    EXPECT_TRUE(SingleInstance::serverName(77).endsWith(QStringLiteral("-77")));
    EXPECT_NE(SingleInstance::serverName(77), SingleInstance::serverName(78));
    qputenv("XDG_RUNTIME_DIR", "/no/such/folder");
    EXPECT_EQ(SingleInstance::runtimeDir(), QStringLiteral("/tmp"));
}

TEST_F(HandOff, SecondLockFailsWhileTheFirstIsHeld) {
    EXPECT_TRUE(SingleInstance::acquireLock());
    EXPECT_FALSE(SingleInstance::acquireLock());
}

TEST_F(HandOff, MessagesArriveAndTheReplyWaitsForTheHandler) {
    HandOffServer server;
    ASSERT_TRUE(server.listen(4242));
    EXPECT_EQ(QFileInfo(SingleInstance::serverName(4242)).permissions() &
                  (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
              QFile::Permissions());
    int fronts = 0;
    QStringList opened;
    server.onBringToFront = [&] { ++fronts; };
    server.onOpen = [&](const QString& p) {
        // Handling takes a while (a message box, say); the sender must still be waiting.
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 200)
            QCoreApplication::processEvents();
        opened << p;
    };
    EXPECT_TRUE(send(4242, std::nullopt));
    EXPECT_EQ(fronts, 1);
    EXPECT_TRUE(opened.isEmpty());

    const QString odd = QStringLiteral("/tmp/Мои файлы/R&D \"x\".html");
    const QString long300 = QStringLiteral("/") + QString(299, QLatin1Char('p'));
    EXPECT_TRUE(send(4242, odd));
    EXPECT_TRUE(send(4242, long300));
    EXPECT_EQ(opened, (QStringList{odd, long300}));
    EXPECT_EQ(fronts, 1);
}

TEST_F(HandOff, ZeroStaleOrGarbageHandlesReachNoWindow) {
    HandOffServer server;
    ASSERT_TRUE(server.listen(5));
    bool reached = false;
    server.onBringToFront = [&] { reached = true; };
    server.onOpen = [&](const QString&) { reached = true; };
    EXPECT_FALSE(send(0, QStringLiteral("/a")));
    EXPECT_FALSE(send(6, QStringLiteral("/a")));
    EXPECT_FALSE(send(-1, std::nullopt));
    EXPECT_FALSE(reached);
}

TEST_F(HandOff, AStaleSocketFileDoesNotBlockANewWindow) {
    {
        HandOffServer crashed;
        ASSERT_TRUE(crashed.listen(9));
    }
    QFile stale(SingleInstance::serverName(9));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly)); // left behind by a crash
    stale.close();
    HandOffServer server;
    EXPECT_TRUE(server.listen(9));
    bool front = false;
    server.onBringToFront = [&] { front = true; };
    EXPECT_TRUE(send(9, std::nullopt));
    EXPECT_TRUE(front);
}

// A later start never gives up silently: it reaches the window through the fallback name
// whatever handle it reads, waits for a window that comes up late, and takes over when the lock
// is free.
TEST_F(HandOff, LaterStartsDeliverOrTakeOver) {
    using Result = SingleInstance::HandOffResult;
    auto tryOnce = [&](qint64 handle, int waitMs) {
        std::atomic<int> result{-1};
        std::thread sender([&] {
            result = static_cast<int>(SingleInstance::handOffOrTakeOver(
                [&] { return handle; }, QStringLiteral("/a.html"), waitMs));
        });
        QElapsedTimer t;
        t.start();
        while (result < 0 && t.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        sender.join();
        return static_cast<Result>(result.load());
    };

    EXPECT_EQ(tryOnce(0, 200), Result::BecameFirst) << "nobody holds the lock";
    EXPECT_EQ(tryOnce(0, 200), Result::NoAnswer) << "the lock is held, nothing listens";

    QStringList opened;
    HandOffServer server;
    server.onOpen = [&](const QString& p) { opened << p; };
    ASSERT_TRUE(server.listen(31));
    for (qint64 handle : {qint64{0}, qint64{32}, qint64{-7}, qint64{31}})
        EXPECT_EQ(tryOnce(handle, 200), Result::Delivered) << handle;
    EXPECT_EQ(opened.size(), 4);
    server.close();

    // The window comes up while the start is waiting.
    QTimer::singleShot(300, &server, [&] { server.listen(31); });
    EXPECT_EQ(tryOnce(0, 10000), Result::Delivered);
    EXPECT_EQ(opened.size(), 5);
}

} // namespace
