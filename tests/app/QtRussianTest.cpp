// Qt's own dialogs and buttons speak Russian once the program's translations are in, while the
// program's own message boxes keep the captions and button texts they are given.

#include "app/QtRussian.h"
#include "editing/Vspom.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

class QtRussian : public testing::Test {
protected:
    void SetUp() override {
        translator_ = varlo::InstallQtRussian(*qApp);
        ASSERT_NE(translator_, nullptr) << "Qt's Russian translations are not installed";
    }
    void TearDown() override {
        if (translator_) {
            QCoreApplication::removeTranslator(translator_);
            delete translator_;
        }
        QLocale::setDefault(locale_);
    }

    static QStringList buttonTexts(const QWidget& w) {
        QStringList out;
        for (const QDialogButtonBox* box : w.findChildren<QDialogButtonBox*>())
            for (const QAbstractButton* b : box->buttons())
                out << b->text();
        return out;
    }

    QLocale locale_;
    QTranslator* translator_ = nullptr;
};

TEST_F(QtRussian, StandardDialogsShowRussianButtons) {
    QFileDialog open(nullptr, QStringLiteral("Открыть"));
    open.setOption(QFileDialog::DontUseNativeDialog);
    open.setAcceptMode(QFileDialog::AcceptOpen);
    EXPECT_TRUE(buttonTexts(open).contains(QStringLiteral("&Открыть")))
        << buttonTexts(open).join(',').toStdString();
    EXPECT_TRUE(buttonTexts(open).contains(QStringLiteral("Отмена")));

    QFileDialog save(nullptr, QStringLiteral("Сохранить"));
    save.setOption(QFileDialog::DontUseNativeDialog);
    save.setAcceptMode(QFileDialog::AcceptSave);
    EXPECT_TRUE(buttonTexts(save).contains(QStringLiteral("&Сохранить")))
        << buttonTexts(save).join(',').toStdString();

    // The kind column of the file list, which Qt's own translations leave in English.
    const QAbstractFileIconProvider kinds;
    EXPECT_EQ(kinds.type(QFileInfo(QDir::tempPath())), QStringLiteral("Папка"));

    QColorDialog colour;
    colour.setOption(QColorDialog::DontUseNativeDialog);
    EXPECT_TRUE(buttonTexts(colour).contains(QStringLiteral("Отмена")))
        << buttonTexts(colour).join(',').toStdString();
}

TEST_F(QtRussian, ProgramMessageBoxesKeepTheirOwnTexts) {
    struct Seen {
        QString caption;
        QStringList buttons;
    };
    auto capture = [](Seen& seen) {
        QTimer::singleShot(0, qApp, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen.caption = box->windowTitle();
            for (QAbstractButton* b : box->buttons())
                seen.buttons << b->text();
            // The button row orders the buttons by their roles; the texts are what counts here.
            seen.buttons.sort();
            box->reject();
        });
    };
    Seen confirm;
    capture(confirm);
    Vspom::CenteredMessage(QStringLiteral("Сохранить?"), Vspom::MsgKind::Confirmation,
                           Vspom::mbYes | Vspom::mbNo | Vspom::mbCancel);
    EXPECT_EQ(confirm.caption, QStringLiteral("Confirm"));
    EXPECT_EQ(confirm.buttons, (QStringList{"&No", "&Yes", "Cancel"}));

    Seen error;
    capture(error);
    Vspom::ReportError();
    EXPECT_EQ(error.caption, QStringLiteral("Error"));
    EXPECT_EQ(error.buttons, QStringList{"OK"});
}

} // namespace
