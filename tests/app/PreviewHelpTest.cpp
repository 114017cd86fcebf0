// The preview, readme, tag reference and about commands of the main window, with stand-in
// programs for the browser and the desktop's handlers: each records the arguments it was started
// with, so a test sees exactly what a real browser would have been given.

#include "app/Unit1.h"
#include "editor/highlight/HtmlTagTable.h"
#include "editor/widget/TSynMemo.h"
#include "tests/support/ScriptedDialogs.h"
#include "viewing/SvedProg.h"

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using varlo::DialogService;
using varlo::StartOptions;
using varlo::TForm1;

namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

class Preview : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        fails_ = dir_.filePath(QStringLiteral("Fails"));
        bin_ = dir_.filePath(QStringLiteral("bin"));
        QDir().mkpath(fails_);
        QDir().mkpath(bin_);
        browser_ = recorder(QStringLiteral("browser"), 0);
        env_ = std::make_unique<ScopedEnv>("BROWSER", browser_.toLocal8Bit());
        path_ = std::make_unique<ScopedEnv>("PATH", (bin_ + QLatin1Char(':')).toLocal8Bit() +
                                                        qgetenv("PATH"));
        StartOptions o;
        o.failsDir = fails_;
        w_ = std::make_unique<TForm1>(o);
    }

    // A program in bin/ that records its arguments in <name>.log (NUL-separated, the count
    // first), prints `output` and exits with `exitCode`.
    QString recorder(const QString& name, int exitCode, const QByteArray& output = {}) {
        const QString path = bin_ + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nprintf '%s\\0' \"$#\" \"$@\" >> '" + logOf(name).toLocal8Bit() + "'\n");
        if (!output.isEmpty())
            f.write("printf '%s\\n' '" + output + "'\n");
        f.write("exit " + QByteArray::number(exitCode) + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QString logOf(const QString& name) const { return bin_ + QLatin1Char('/') + name + ".log"; }

    // The argument lists of every start of the program, in order.
    QList<QStringList> starts(const QString& name = QStringLiteral("browser")) const {
        QFile f(logOf(name));
        QList<QStringList> out;
        if (!f.open(QIODevice::ReadOnly))
            return out;
        QList<QByteArray> fields = f.readAll().split('\0');
        fields.removeLast(); // after the last separator
        for (qsizetype i = 0; i < fields.size();) {
            const int n = fields[i++].toInt();
            QStringList args;
            for (int k = 0; k < n && i < fields.size(); ++k)
                args << QString::fromLocal8Bit(fields[i++]);
            out << args;
        }
        return out;
    }

    QString saved(const QString& name, const QByteArray& bytes = "<p>saved</p>\r\n") {
        const QString path = dir_.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    void expectErrorReported() {
        ASSERT_EQ(dialogs_.messages.size(), 1);
        EXPECT_EQ(dialogs_.messages[0].caption, QStringLiteral("Error"));
        EXPECT_EQ(dialogs_.sounds, QList{DialogService::Sound::Hand});
    }

    QTemporaryDir dir_;
    QString fails_, bin_, browser_;
    std::unique_ptr<ScopedEnv> env_, path_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<TForm1> w_;
};

TEST_F(Preview, SavedPageOpensItsFileOnceAPreviewAndUnsavedEditsStayOutOfTheFile) {
    const QString path = saved(QStringLiteral("page.html"));
    w_->CurrentFileName = path;
    w_->OpenDocument();
    w_->ActiveEditor()->model().setSelectedText("unsaved ");
    w_->RzToolButton13Click();
    w_->RzToolButton13Click();
    EXPECT_EQ(starts(), (QList<QStringList>{{path}, {path}}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("<p>saved</p>\r\n"));
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(Preview, NeverSavedPageBeepsAsksToSaveAndStartsNothing) {
    dialogs_.answers = {DialogService::Ok};
    w_->RzToolButton13Click();
    EXPECT_TRUE(starts().isEmpty());
    EXPECT_EQ(dialogs_.sounds, QList{DialogService::Sound::Asterisk});
    ASSERT_EQ(dialogs_.messages.size(), 1);
    const DialogService::Message& m = dialogs_.messages[0];
    EXPECT_EQ(m.caption, QStringLiteral("Information"));
    EXPECT_EQ(m.text, QStringLiteral("Сначала надо сохранить"));
    EXPECT_EQ(m.icon, DialogService::Icon::Information);
    EXPECT_EQ(m.buttons, QList{DialogService::Ok});
    EXPECT_EQ(m.centreOver, nullptr); // placed by the system
}

TEST_F(Preview, PathArrivesAsOneUnchangedArgument) {
    // Characters that a shell would split, quote, chain or expand.
    const QString path = saved(QStringLiteral("мой сайт 'a' \"b\" & c; $(touch x) `y` *.html"));
    w_->CurrentFileName = path;
    w_->OpenDocument();
    w_->RzToolButton13Click();
    EXPECT_EQ(starts(), QList<QStringList>{{path}});
    EXPECT_FALSE(QFile::exists(QStringLiteral("x")));
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(Preview, ReadmeOpensInTheBrowserWhetherOrNotItIsThere) {
    w_->N181Click();
    EXPECT_EQ(starts(), QList<QStringList>{{fails_ + QStringLiteral("/Readme.html")}});
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(Preview, BrowserCommandWordsAndThePlaceOfThePath) {
    const struct {
        QByteArray browser;
        QStringList expected; // the arguments after the program
    } cases[] = {
        {"BIN/browser --new-window", {"--new-window", "P"}},
        {"BIN/browser --url %s --private", {"--url", "P", "--private"}},
        {":BIN/browser:other", {"P"}}, // the first entry that is there
    };
    const QString path = saved(QStringLiteral("p.html"));
    for (const auto& c : cases) {
        QFile::remove(logOf(QStringLiteral("browser")));
        QByteArray value = c.browser;
        value.replace("BIN", bin_.toLocal8Bit());
        ScopedEnv browser("BROWSER", value);
        w_->N181Click();
        QStringList expected = c.expected;
        expected.replaceInStrings(QStringLiteral("P"), fails_ + QStringLiteral("/Readme.html"));
        EXPECT_EQ(starts(), QList<QStringList>{expected}) << c.browser.constData();
    }
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(Preview, BrowserThatCannotStartIsReported) {
    const QString path = saved(QStringLiteral("page.html"));
    w_->CurrentFileName = path;
    w_->OpenDocument();
    const QByteArray cases[] = {
        "/no/such/browser",
        recorder(QStringLiteral("failing"), 1).toLocal8Bit(),
    };
    for (const QByteArray& browser : cases) {
        dialogs_.messages.clear();
        dialogs_.sounds.clear();
        dialogs_.answers = {DialogService::Ok};
        ScopedEnv env("BROWSER", browser);
        w_->RzToolButton13Click();
        expectErrorReported();
    }
}

TEST_F(Preview, WithoutBrowserVariableTheDesktopOpensThePage) {
    recorder(QStringLiteral("xdg-open"), 0);
    ScopedEnv env("BROWSER", "");
    w_->N181Click();
    EXPECT_EQ(starts(QStringLiteral("xdg-open")),
              QList<QStringList>{{fails_ + QStringLiteral("/Readme.html")}});
}

class TagReference : public Preview {
protected:
    void SetUp() override {
        Preview::SetUp();
        chm_ = fails_ + QStringLiteral("/tags.chm");
        index_ = fails_ + QStringLiteral("/tags/index.html");
    }
    void shipReference() {
        QFile f(chm_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString chm_, index_;
};

TEST_F(TagReference, MissingFileDoesNothingAndSaysNothing) {
    recorder(QStringLiteral("xdg-mime"), 0, "xchm.desktop");
    recorder(QStringLiteral("xdg-open"), 0);
    w_->N3Click();
    EXPECT_TRUE(starts(QStringLiteral("xdg-open")).isEmpty());
    EXPECT_TRUE(starts().isEmpty());
    EXPECT_TRUE(dialogs_.messages.isEmpty());
    EXPECT_TRUE(dialogs_.sounds.isEmpty());
}

TEST_F(TagReference, DesktopHandlerOpensTheCompiledFile) {
    shipReference();
    recorder(QStringLiteral("xdg-mime"), 0, "xchm.desktop");
    recorder(QStringLiteral("xdg-open"), 0);
    w_->N3Click();
    EXPECT_EQ(starts(QStringLiteral("xdg-mime")),
              (QList<QStringList>{{"query", "default", "application/vnd.ms-htmlhelp"}}));
    EXPECT_EQ(starts(QStringLiteral("xdg-open")), QList<QStringList>{{chm_}});
    EXPECT_TRUE(starts().isEmpty());
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(TagReference, WithoutAHandlerThePagesOpenInTheBrowser) {
    shipReference();
    const struct {
        const char* label;
        QByteArray handler; // what xdg-mime answers; empty: no handler set
        int openExit;       // how xdg-open ends
        bool mimeTool;      // whether xdg-mime is there at all
    } cases[] = {
        {"no handler set", {}, 0, true},
        {"handler that fails", "broken.desktop", 4, true},
        {"no MIME database", {}, 0, false},
    };
    for (const auto& c : cases) {
        QFile::remove(logOf(QStringLiteral("browser")));
        QFile::remove(logOf(QStringLiteral("xdg-open")));
        QFile::remove(bin_ + QStringLiteral("/xdg-mime"));
        if (c.mimeTool)
            recorder(QStringLiteral("xdg-mime"), 0, c.handler);
        recorder(QStringLiteral("xdg-open"), c.openExit);
        // Only the stand-ins are on PATH, so a real xdg-mime cannot answer instead.
        ScopedEnv path("PATH", bin_.toLocal8Bit() + ":/bin");
        w_->N3Click();
        EXPECT_EQ(starts(), QList<QStringList>{{index_}}) << c.label;
        EXPECT_TRUE(dialogs_.messages.isEmpty()) << c.label;
    }
}

TEST_F(TagReference, ReferenceThatCannotBeShownIsReported) {
    shipReference();
    recorder(QStringLiteral("xdg-mime"), 0);
    dialogs_.answers = {DialogService::Ok};
    ScopedEnv env("BROWSER", "/no/such/browser");
    w_->N3Click();
    expectErrorReported();
}

TEST_F(Preview, AboutWindowIsMadeOnceAndKeepsItsPlace) {
    auto showAndClose = [&](auto&& whileShown) {
        QTimer::singleShot(0, w_.get(), [&] {
            whileShown();
            w_->Sved->RzBitBtn1->click();
        });
        w_->J3Click();
    };
    w_->move(100, 100);
    QPoint placed;
    showAndClose([&] {
        ASSERT_NE(w_->Sved, nullptr);
        EXPECT_TRUE(w_->Sved->isModal());
        placed = w_->Sved->pos();
    });
    varlo::TSved* first = w_->Sved;
    first->move(placed + QPoint(40, 30));
    showAndClose([&] { EXPECT_EQ(w_->Sved->pos(), placed + QPoint(40, 30)); });
    EXPECT_EQ(w_->Sved, first);
    EXPECT_FALSE(first->isVisible());

    EXPECT_EQ(first->windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(first->size(), QSize(442, 222));
    EXPECT_EQ(first->Image1->geometry(), QRect(-8, -8, 450, 250));
    EXPECT_EQ(first->Image1->pixmap().toImage().depth(), 32); // drawn from a 24-bit picture
    EXPECT_EQ(first->RzBitBtn1->text(), QStringLiteral("&Ок"));
    EXPECT_EQ(first->RzBitBtn1->geometry().topLeft(), QPoint(183, 189));
    EXPECT_EQ(first->RzBitBtn1->width(), 74);
    EXPECT_EQ(first->RzBitBtn1->toolTip(), QStringLiteral("Закрыть сведения о программе"));
    const QIcon glyph = first->RzBitBtn1->icon();
    EXPECT_NE(glyph.pixmap(16, QIcon::Normal).toImage(),
              glyph.pixmap(16, QIcon::Disabled).toImage());
    const Qt::WindowFlags flags = first->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

// The built data folder beside the executable holds the compiled reference with a page for every
// tag of the highlighter, its HTML pages and the readme.
TEST(ShippedHelp, CompiledReferenceListsEveryTagPage) {
    const QString fails = QStringLiteral(VARLO_BINARY_DIR "/app/Fails");
    QProcess chmls;
    QString program = QStandardPaths::findExecutable(QStringLiteral("chmls"));
    if (program.isEmpty())
        program = QStringLiteral("chmls-3.2.2");
    chmls.start(program, {QStringLiteral("list"), fails + "/tags.chm"});
    ASSERT_TRUE(chmls.waitForFinished(30000));
    ASSERT_EQ(chmls.exitCode(), 0);
    const QString listing = QString::fromLocal8Bit(chmls.readAllStandardOutput());
    QStringList expected = {QStringLiteral("index.html")};
    for (const auto& row : varlo::HtmlTagTable::rows()) {
        if (row.name.starts_with('/'))
            continue;
        expected << QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size()))
                            .remove(QLatin1Char('!'))
                            .toLower() +
                        QStringLiteral(".html");
    }
    for (const QString& page : expected) {
        EXPECT_TRUE(listing.contains(QLatin1Char('/') + page + QLatin1Char('\n')))
            << page.toStdString();
        EXPECT_TRUE(QFile::exists(fails + "/tags/" + page)) << page.toStdString();
    }
    QFile readme(fails + "/Readme.html");
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    EXPECT_TRUE(
        text.contains(QStringLiteral("<kbd>Ctrl+Shift+Z</kbd></td><td>вернуть отменённое")));
    EXPECT_TRUE(text.contains(QStringLiteral("history.ini")));
}

} // namespace
