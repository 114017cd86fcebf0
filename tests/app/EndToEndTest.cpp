// Starts the real program twice on a private X display, with a private runtime folder and a
// private copy of the program folder (so its Fails folder is this test's own).

#include "app/IniFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <map>

#include <unistd.h>

using varlo::IniFile;

namespace {

const char kScript[] = R"sh(
cd "$ROOT"
wait_for() { for i in $(seq 1 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }
./app/varlo a.html &
first=$!
wait_for 'grep -q "Handle=[1-9]" app/Fails/handle.ini 2>/dev/null'
echo "HANDLE=$(sed -n 's/^Handle=\([0-9]*\).*/\1/p' app/Fails/handle.ini)"
wait_for 'xdotool search --name "^Varlo - a.html$" >/dev/null'
echo "WINDOW=$(xdotool search --name '^Varlo - a.html$' | head -1)"
./app/varlo "b c.html" ignored.html
echo "SECOND=$?"
wait_for 'xdotool search --name "^Varlo - b c.html$" >/dev/null' && echo "SHOWN=yes"
./app/varlo
echo "FRONT=$?"
./app/varlo c.html & c=$!
./app/varlo d.html & d=$!
wait $c; echo "C=$?"
wait $d; echo "D=$?"
echo "WINDOWS=$(xdotool search --name '^Varlo - ' | wc -l)"
kill -TERM $first
wait $first
echo "FIRST=$?"
)sh";

std::map<std::string, std::string> parse(const QByteArray& out) {
    std::map<std::string, std::string> facts;
    for (const QByteArray& line : out.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            facts[line.left(eq).trimmed().toStdString()] = line.mid(eq + 1).trimmed().toStdString();
    }
    return facts;
}

// A private copy of the program folder with the given files, a runtime folder and the script;
// returns the script's output. When the tests run as root, `as_user` in the script drops to
// nobody, who then owns the whole folder, so that permissions count as for any user.
class ProgramRun {
public:
    bool prepare(const char* script, std::initializer_list<const char*> files) {
        r_ = QDir(root_.path());
        if (!r_.mkpath(QStringLiteral("app/Fails")) || !r_.mkpath(QStringLiteral("rt")))
            return false;
        QFile::setPermissions(r_.filePath(QStringLiteral("rt")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!QFile::copy(QStringLiteral(VARLO_BINARY_DIR "/app/varlo"),
                         r_.filePath(QStringLiteral("app/varlo"))))
            return false;
        for (const char* name : files) {
            QFile f(r_.filePath(QString::fromUtf8(name)));
            if (!f.open(QIODevice::WriteOnly))
                return false;
            f.write(kPage);
        }
        QFile s(r_.filePath(QStringLiteral("run.sh")));
        if (!s.open(QIODevice::WriteOnly))
            return false;
        s.write(kAsUser);
        s.write(script);
        return true;
    }

    QByteArray run() {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ROOT"), root_.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), r_.filePath(QStringLiteral("rt")));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStandardPaths::findExecutable(QStringLiteral("xvfb-run")),
                {QStringLiteral("-a"), QStringLiteral("-s"),
                 QStringLiteral("-screen 0 1024x768x24"), QStringLiteral("bash"),
                 r_.filePath(QStringLiteral("run.sh"))});
        if (!p.waitForFinished(180000))
            return "the run did not end";
        return p.readAll();
    }

    QString path(const char* name) const { return r_.filePath(QString::fromUtf8(name)); }
    QByteArray bytes(const char* name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    static constexpr char kPage[] = "<p>text</p>\r\n";

private:
    // The X display's key is copied where the dropped user can read it.
    static constexpr char kAsUser[] = R"sh(
cd "$ROOT"
wait_for() { for i in $(seq 1 150); do eval "$1" && return 0; sleep 0.1; done; return 1; }
if [ "$(id -u)" = 0 ]; then
    cp "$XAUTHORITY" "$ROOT/xauth" && chmod 644 "$ROOT/xauth" && export XAUTHORITY="$ROOT/xauth"
    chown -R 65534:65534 "$ROOT"
    chmod 755 "$ROOT"
    as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"; }
else
    as_user() { "$@"; }
fi
)sh";

    QTemporaryDir root_;
    QDir r_;
};

bool canRun(std::string& why) {
    if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        why = "xvfb-run or xdotool is not installed";
        return false;
    }
    if (::geteuid() == 0 && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) {
        why = "running as root without setpriv to become an ordinary user";
        return false;
    }
    return true;
}

TEST(EndToEnd, SecondStartHandsItsFileToTheFirst) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "xvfb-run or xdotool is not installed";
    const QString binary = QStringLiteral(VARLO_BINARY_DIR "/app/varlo");
    ASSERT_TRUE(QFile::exists(binary));

    QTemporaryDir root;
    QDir r(root.path());
    ASSERT_TRUE(r.mkpath(QStringLiteral("app/Fails")) && r.mkpath(QStringLiteral("rt")));
    QFile::setPermissions(r.filePath(QStringLiteral("rt")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(QFile::copy(binary, r.filePath(QStringLiteral("app/varlo"))));
    for (const char* name : {"a.html", "b c.html", "c.html", "d.html"}) {
        QFile f(r.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<p>text</p>\r\n");
    }
    QFile script(r.filePath(QStringLiteral("run.sh")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(kScript);
    script.close();

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ROOT"), root.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), r.filePath(QStringLiteral("rt")));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(xvfb,
            {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1024x768x24"),
             QStringLiteral("bash"), script.fileName()});
    ASSERT_TRUE(p.waitForFinished(90000)) << "the run did not end";
    const QByteArray out = p.readAll();
    auto facts = parse(out);
    SCOPED_TRACE(out.toStdString());

    ASSERT_FALSE(facts["HANDLE"].empty());
    EXPECT_EQ(facts["HANDLE"], facts["WINDOW"]) << "handle.ini names the running window";
    EXPECT_EQ(facts["SECOND"], "0");
    EXPECT_EQ(facts["SHOWN"], "yes") << "the first instance shows the handed-over file";
    EXPECT_EQ(facts["FRONT"], "0");
    EXPECT_EQ(facts["C"], "0") << "two later starts at once both get through";
    EXPECT_EQ(facts["D"], "0");
    EXPECT_EQ(facts["WINDOWS"], "1") << "no later start showed a window";
    EXPECT_EQ(facts["FIRST"], "0");

    const QString fails = r.filePath(QStringLiteral("app/Fails"));
    EXPECT_EQ(IniFile(fails + QStringLiteral("/handle.ini")).readInteger("Program", "Handle", -1),
              0);
    const IniFile history(fails + QStringLiteral("/history.ini"));
    const std::string c = r.filePath(QStringLiteral("c.html")).toStdString();
    const std::string d = r.filePath(QStringLiteral("d.html")).toStdString();
    const std::string first = history.readString("History", "Open_1");
    const std::string second = history.readString("History", "Open_2");
    EXPECT_TRUE((first == d && second == c) || (first == c && second == d))
        << first << " " << second;
    EXPECT_EQ(history.readString("History", "Open_3"),
              r.filePath(QStringLiteral("b c.html")).toStdString());
    EXPECT_EQ(history.readString("History", "Open_4"),
              r.filePath(QStringLiteral("a.html")).toStdString());
    EXPECT_EQ(history.readString("History", "Open_5"), "");
}

const char kFaultsScript[] = R"sh(
first_pid() { xdotool search --name '^Varlo - ' getwindowpid 2>/dev/null | head -1; }
shown() { xdotool search --name "^Varlo - $1\$" >/dev/null 2>&1; }
sock() { ls rt | grep -c -- "-$1\$"; }

# Five first starts at once: one becomes the window, the four others hand their files over.
: > codes
for i in 1 2 3 4 5; do ( as_user ./app/varlo f$i.html; echo "$?" >> codes ) & done
wait_for '[ "$(wc -l < codes)" -ge 4 ]'
echo "CODES=$(sort codes | tr '\n' ' ')"
wait_for '[ "$(sed -n "s/^Handle=//p" app/Fails/handle.ini)" != "" ]'
echo "WINDOWS=$(xdotool search --name '^Varlo - ' | wc -l)"

# A handle record holding garbage, then a stale number: the start still reaches the window.
printf '[Program]\r\nHandle=garbage\r\n' > app/Fails/handle.ini
as_user ./app/varlo g.html; echo "GARBAGE=$?"
wait_for 'shown g.html' && echo "GARBAGE_SHOWN=yes"
printf '[Program]\r\nHandle=12345\r\n' > app/Fails/handle.ini
as_user ./app/varlo h.html; echo "STALE=$?"
wait_for 'shown h.html' && echo "STALE_SHOWN=yes"
pid=$(first_pid)
kill -TERM $pid; wait_for '! kill -0 $pid 2>/dev/null'
echo "HISTORY=$(grep -c '^Open_[0-9]*=.*[a-z0-9]\.html' app/Fails/history.ini)"

# A killed instance leaves its socket; the next start removes it.
as_user ./app/varlo k.html &
wait_for 'shown k.html'
old=$(sed -n 's/^Handle=\([0-9]*\).*/\1/p' app/Fails/handle.ini)
kill -KILL $(first_pid); sleep 0.5
# The next window may be given the same id; the left socket is renamed to stand for another.
for f in rt/*-$old; do mv "$f" "${f%-$old}-99999"; done
echo "LEFT=$(sock 99999)"
as_user ./app/varlo m.html &
wait_for 'shown m.html' && echo "AFTER_KILL_SHOWN=yes"
echo "LEFT_AFTER=$(sock 99999)"
pid=$(first_pid)
kill -TERM $pid; wait_for '! kill -0 $pid 2>/dev/null'

# An unreadable file on the command line and a data folder that takes no files: the window
# comes up, says so, and later starts still reach it.
chmod 000 x.html
chmod 555 app/Fails
rm -f app/Fails/handle.ini
as_user ./app/varlo x.html 2> first.err &
wait_for 'shown "страница 1"' && echo "UNREADABLE_WINDOW=yes"
as_user ./app/varlo y.html; echo "Y=$?"
wait_for 'shown y.html' && echo "Y_SHOWN=yes"
kill -KILL $(first_pid)
chmod 755 app/Fails; chmod 644 x.html
grep -q "x.html" first.err && echo "REASON_ON_STDERR=yes"
true
)sh";

TEST(EndToEnd, StartsUnderFaultsStillHandOver) {
    std::string why;
    if (!canRun(why))
        GTEST_SKIP() << why;
    ProgramRun run;
    ASSERT_TRUE(
        run.prepare(kFaultsScript, {"f1.html", "f2.html", "f3.html", "f4.html", "f5.html", "g.html",
                                    "h.html", "k.html", "m.html", "x.html", "y.html"}));
    const QByteArray out = run.run();
    auto facts = parse(out);
    SCOPED_TRACE(out.toStdString());

    EXPECT_EQ(facts["CODES"], "0 0 0 0") << "the four later starts delivered";
    EXPECT_EQ(facts["WINDOWS"], "1");
    EXPECT_EQ(facts["GARBAGE"], "0");
    EXPECT_EQ(facts["GARBAGE_SHOWN"], "yes");
    EXPECT_EQ(facts["STALE"], "0");
    EXPECT_EQ(facts["STALE_SHOWN"], "yes");
    EXPECT_EQ(facts["HISTORY"], "7") << "five first starts, the garbage and the stale handle";
    EXPECT_EQ(facts["LEFT"], "1");
    EXPECT_EQ(facts["AFTER_KILL_SHOWN"], "yes");
    EXPECT_EQ(facts["LEFT_AFTER"], "0") << "the stale socket was removed";
    EXPECT_EQ(facts["UNREADABLE_WINDOW"], "yes");
    EXPECT_EQ(facts["Y"], "0");
    EXPECT_EQ(facts["Y_SHOWN"], "yes");
    EXPECT_EQ(facts["REASON_ON_STDERR"], "yes");
    for (const char* name : {"f1.html", "f5.html", "x.html", "y.html"})
        EXPECT_EQ(run.bytes(name), QByteArray(ProgramRun::kPage)) << name;
}

// The program on a private display and accessibility bus, edited with random keys for 30 s while
// a screen-reader-like client reads along.
const char kScreenReaderScript[] = R"sh(
cd "$ROOT"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
./app/varlo page.html >/dev/null 2>&1 &
p=$!
for i in $(seq 1 100); do xdotool search --name "^Varlo - page.html$" >/dev/null && break; sleep 0.1; done
sleep 1
/usr/bin/python3 "$CLIENT" $p 7 30
kill $p 2>/dev/null
)sh";

TEST(EndToEnd, EditingWithAScreenReaderReadingAlong) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    const QString session = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
    if (xvfb.isEmpty() || session.isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty() ||
        !QFile::exists(QStringLiteral("/usr/libexec/at-spi-bus-launcher")) ||
        QProcess::execute(QStringLiteral("/usr/bin/python3"),
                          {QStringLiteral("-c"), QStringLiteral("import pyatspi")}) != 0)
        GTEST_SKIP() << "xvfb-run, xdotool, dbus, at-spi2-core or python3-pyatspi is missing";
    const QString binary = QStringLiteral(VARLO_BINARY_DIR "/app/varlo");
    ASSERT_TRUE(QFile::exists(binary));

    QTemporaryDir root;
    QDir r(root.path());
    ASSERT_TRUE(r.mkpath(QStringLiteral("app/Fails")) && r.mkpath(QStringLiteral("rt")));
    QFile::setPermissions(r.filePath(QStringLiteral("rt")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(QFile::copy(binary, r.filePath(QStringLiteral("app/varlo"))));
    QFile page(r.filePath(QStringLiteral("page.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("        <html>\r\n        <body bgcolor=\"#FFFFFF\">\r\n  <p>text</p>\r\n\r\nlast "
               "line");
    page.close();
    QFile script(r.filePath(QStringLiteral("run.sh")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(kScreenReaderScript);
    script.close();

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ROOT"), root.path());
    env.insert(QStringLiteral("CLIENT"), QStringLiteral(VARLO_TEST_DATA "/screen_reader.py"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), r.filePath(QStringLiteral("rt")));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(xvfb,
            {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1024x768x24"),
             session, QStringLiteral("--"), QStringLiteral("bash"), script.fileName()});
    ASSERT_TRUE(p.waitForFinished(120000)) << "the run did not end";
    const QByteArray out = p.readAll();
    auto facts = parse(out);
    SCOPED_TRACE(out.toStdString());
    EXPECT_EQ(facts["RESULT"], "ok");
    EXPECT_GT(std::atoi(facts["EVENTS"].c_str()), 100) << "the client heard the editor";
    EXPECT_EQ(facts["NAME"], "page.html") << "the editor is named after its page";
}

} // namespace
