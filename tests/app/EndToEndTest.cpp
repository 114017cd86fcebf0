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
#include <map>

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
