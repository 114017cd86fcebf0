#include "QuietDialogs.h"
#include "WorkedExamples.h"

#include "dialogs/ElementDialogs.h"
#include "dialogs/FontListBox.h"
#include "dialogs/OptionCheckBox.h"
#include "dialogs/RadioGroup.h"
#include "dialogs/SpinEdit.h"
#include "dialogs/Spis.h"
#include "dialogs/Spisok_Select.h"
#include "dialogs/TaB.h"
#include "dialogs/Text.h"
#include "editor/base/Cp1251.h"
#include "editor/document/EditorModel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <stdexcept>

using varlo::rgb;

namespace {

// A dialog of type T over an editor that holds `text` with `selected` selected.
template <class T> struct DialogFixture {
    QuietDialogs quiet;
    varlo::EditorModel editor;
    QWidget owner;
    T* dialog;

    explicit DialogFixture(std::string_view text = {}, std::string_view selected = {}) {
        editor.setText(text);
        if (!selected.empty()) {
            editor.setSelectionStart(std::int64_t(text.find(selected)));
            editor.setSelectionLength(std::int64_t(selected.size()));
        }
        editor.undoList().clear();
        dialog = new T(&owner, [this] { return &editor; });
        dialog->show();
    }
    void reopen() {
        dialog->hide();
        dialog->show();
    }
    void insert() { dialog->RzBitBtn1->click(); }
};

void leave(SpinEdit* spin, const QString& typed) {
    spin->Field()->setText(typed);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(spin, &out);
}

// --- The frame, seen through each dialog

TEST(ElementDialogFrame, FrameOfEveryDialog) {
    struct Row {
        ElementDialog kind;
        QSize size;
        bool onTop;
        const char* caption;
    };
    const Row rows[] = {
        {ElementDialog::Table, {498, 391}, false, "  Создание таблицы"},
        {ElementDialog::Font, {565, 309}, true, "  Настройка шрифта"},
        {ElementDialog::List, {433, 312}, true, "  Создание списка"},
        {ElementDialog::SelectList, {285, 161}, true, "  Создание списка"},
    };
    QuietDialogs quiet;
    QWidget owner;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        std::unique_ptr<ElementDialogFrame> d(
            ElementDialogs::Create(r.kind, &owner, [] { return nullptr; }));
        ASSERT_TRUE(d);
        EXPECT_EQ(d->parentWidget(), &owner);
        EXPECT_EQ(d->size(), r.size);
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8(r.caption));
        EXPECT_TRUE(d->windowFlags().testFlag(Qt::Tool));
        EXPECT_EQ(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint), r.onTop);
        EXPECT_FALSE(d->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_TRUE(d->isModal());
        EXPECT_EQ(d->RzBitBtn1->text(), QStringLiteral("Вставить"));
        EXPECT_EQ(d->RzBitBtn2->text(), QStringLiteral("Отмена"));
        EXPECT_FALSE(d->RzBitBtn1->icon().isNull());
        for (QPushButton* b : {d->RzBitBtn1, d->RzBitBtn2}) {
            EXPECT_FALSE(b->isDefault());
            EXPECT_FALSE(b->autoDefault());
        }
        // Every control a user can reach is named for screen readers.
        for (QWidget* c : d->findChildren<QWidget*>()) {
            // Drop-down popups are windows of their own, named by their boxes.
            if (c->window() != d.get() || c->focusPolicy() == Qt::NoFocus ||
                qobject_cast<QLabel*>(c) ||
                c->objectName() == QLatin1String("qt_spinbox_lineedit") ||
                c->parentWidget()->inherits("QComboBox") || c->inherits("QScrollBar"))
                continue;
            if (c->parentWidget()->inherits("QAbstractScrollArea"))
                continue; // the viewport of a list or a text field
            EXPECT_FALSE(c->accessibleName().isEmpty())
                << c->metaObject()->className() << " " << c->objectName().toStdString();
        }
    }
    EXPECT_FALSE(ElementDialogs::Exists(ElementDialog::Link));
}

TEST(ElementDialogFrame, EnterAndEscPressNeitherButtonAndCancelInsertsNothing) {
    DialogFixture<TSelect> f("abc");
    QTest::keyClick(f.dialog, Qt::Key_Escape);
    QTest::keyClick(f.dialog, Qt::Key_Return);
    EXPECT_TRUE(f.dialog->isVisible());
    f.dialog->RzBitBtn2->click();
    EXPECT_FALSE(f.dialog->isVisible());
    EXPECT_EQ(f.dialog->result(), QDialog::Rejected);
    // The caption's close button is the same as "Отмена".
    f.reopen();
    EXPECT_TRUE(f.dialog->close());
    EXPECT_EQ(f.dialog->result(), QDialog::Rejected);
    EXPECT_EQ(f.editor.text(), "abc");
    EXPECT_FALSE(f.editor.canUndo());
}

// A dialog whose handlers fail: the failure is reported and nothing reaches the editor.
class FailingDialog : public ElementDialogFrame {
public:
    FailingDialog(QWidget* owner, EditorSource editor)
        : ElementDialogFrame(owner, std::move(editor),
                             {QStringLiteral("Failing"), QStringLiteral("  x"), QSize(200, 100),
                              true, Insertion::Plain, QString(), QString()}) {}
    int shows = 0;

protected:
    void FormShow() override {
        ++shows;
        throw std::runtime_error("show");
    }
    std::string Markup() override { throw std::runtime_error("build"); }
};

TEST(ElementDialogFrame, FailuresAreReportedAndLeaveTheDialogOpenAndTheEditorAlone) {
    DialogFixture<FailingDialog> f("abc", "b");
    EXPECT_EQ(f.dialog->shows, 1);
    EXPECT_EQ(f.quiet.messages, 1);
    f.insert();
    EXPECT_EQ(f.quiet.messages, 2);
    EXPECT_TRUE(f.dialog->isVisible());
    EXPECT_EQ(f.editor.text(), "abc");
    EXPECT_EQ(f.editor.selectionLength(), 1);
    EXPECT_FALSE(f.editor.canUndo());
}

// --- Table

TEST(TTable, ShowResetsEverythingTheUserChanged) {
    DialogFixture<TTable> f;
    TTable& t = *f.dialog;
    t.RzSpinEdit1->setValue(5);
    t.RzSpinEdit2->setValue(6);
    t.RzSpinEdit3->setValue(7);
    t.RzCheckBox4->setChecked(false);
    t.RzSpinEdit4->setValue(3);
    t.RzSpinEdit5->setValue(4);
    t.RzComboBox1->setCurrentIndex(2);
    for (OptionCheckBox* c : {t.RzCheckBox1, t.RzCheckBox2, t.RzCheckBox3, t.RzCheckBox5})
        c->setChecked(true);
    t.RzColorComboBox1->setSelected(rgb(0xFF, 0, 0));
    t.RzColorComboBox2->setSelected(rgb(0, 0, 0xFF));
    t.RzEdit1->setText(QStringLiteral("x"));
    t.RzEdit2->setText(QStringLiteral("y"));
    f.reopen();

    EXPECT_EQ(t.focusWidget(), t.RzSpinEdit1);
    EXPECT_EQ(BuildTable(t.Settings()), BuildTable(TableSettings{}));
    EXPECT_EQ(t.RzEdit2->text(), QStringLiteral("Заголовок таблицы"));
    EXPECT_TRUE(t.RzEdit1->text().isEmpty());
    EXPECT_EQ(t.RzColorComboBox1->Selected(), rgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(t.RzColorComboBox2->Selected(), rgb(0, 0, 0));
    EXPECT_EQ(t.RzSpinEdit4->Text(), QStringLiteral("0"));
    for (QWidget* off :
         {static_cast<QWidget*>(t.RzSpinEdit4), static_cast<QWidget*>(t.RzSpinEdit5),
          static_cast<QWidget*>(t.RzColorComboBox1), static_cast<QWidget*>(t.RzColorComboBox2),
          static_cast<QWidget*>(t.RzEdit2)})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_EQ(t.RzCheckBox1->toolTip(),
              QStringLiteral("Не вставлять в таблицу заголовки столбцов"));
    EXPECT_EQ(t.RzCheckBox4->toolTip(), QStringLiteral("Параметры ячеек по умолчанию"));
    EXPECT_EQ(t.RzCheckBox5->toolTip(), QStringLiteral("Не добавлять заголовок к таблице"));
}

TEST(TTable, OptionsSwitchTheirInputsAndTooltips) {
    DialogFixture<TTable> f;
    TTable& t = *f.dialog;
    struct Row {
        OptionCheckBox* box;
        QList<QWidget*> inputs;
        bool enabledWhenChecked;
        const char* onTip;
        const char* offTip;
    };
    const Row rows[] = {
        {t.RzCheckBox4,
         {t.RzSpinEdit4, t.RzSpinEdit5},
         false,
         "Параметры ячеек по умолчанию",
         "Изменить параметры ячеек"},
        {t.RzCheckBox2,
         {t.RzColorComboBox1},
         true,
         "Задать фон таблицы",
         "Оставить фон таблицы по умолчанию"},
        {t.RzCheckBox3,
         {t.RzColorComboBox2},
         true,
         "Задать цвет линий таблицы",
         "Оставить цвет линий таблицы по умолчанию"},
        {t.RzCheckBox5,
         {t.RzEdit2},
         true,
         "Добавить заголовок к таблице",
         "Не добавлять заголовок к таблице"},
        {t.RzCheckBox1,
         {},
         true,
         "Вставить в таблицу заголовки столбцов",
         "Не вставлять в таблицу заголовки столбцов"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.box->text().toStdString());
        const QString caption = r.box->text();
        const bool initial = r.box->isChecked();
        for (bool checked : {!initial, initial}) {
            r.box->click();
            ASSERT_EQ(r.box->isChecked(), checked);
            EXPECT_EQ(r.box->toolTip(), QString::fromUtf8(checked ? r.onTip : r.offTip));
            for (QWidget* in : r.inputs)
                EXPECT_EQ(in->isEnabled(), checked == r.enabledWhenChecked);
        }
        EXPECT_EQ(r.box->text(), caption);
    }
}

TEST(TTable, GathersTheWorkedExampleFromTheWidgets) {
    DialogFixture<TTable> f;
    TTable& t = *f.dialog;
    leave(t.RzSpinEdit1, QStringLiteral("2"));
    leave(t.RzSpinEdit2, QStringLiteral("2"));
    t.RzCheckBox1->click();
    t.RzCheckBox4->click();
    leave(t.RzSpinEdit5, QStringLiteral("5"));
    t.RzComboBox1->setCurrentIndex(2);
    t.RzCheckBox2->click();
    t.RzCheckBox5->click();
    EXPECT_EQ(BuildTable(t.Settings()), BuildTable(workedTableExample()));
    // A count typed out of range is clamped before it is used.
    leave(t.RzSpinEdit1, QStringLiteral("40"));
    EXPECT_EQ(t.Settings().columns, 25);
}

TEST(TTable, InsertReplacesTheSelectionAsOneUndoStep) {
    DialogFixture<TTable> f("before OLD after", "OLD");
    f.insert();
    EXPECT_FALSE(f.dialog->isVisible());
    const std::string table = BuildTable(TableSettings{});
    std::string expected = "before " + table + " after";
    // The editor keeps lines; its text joins them with CR LF.
    std::string joined;
    for (char c : expected)
        joined += c == '\r' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(f.editor.text(), joined);
    EXPECT_EQ(f.editor.selectionLength(), 0);
    f.editor.undo();
    EXPECT_EQ(f.editor.text(), "before OLD after");
    EXPECT_FALSE(f.editor.canUndo());
}

// --- Font

TEST(TTekst, FirstUseInsertsABareElementWithTheCaretInside) {
    DialogFixture<TTekst> f("x");
    f.editor.setSelectionStart(1);
    f.insert();
    EXPECT_EQ(f.editor.text(), "x<font></font>");
    EXPECT_EQ(f.editor.selectionStart(), 7);
    EXPECT_EQ(f.editor.selectionLength(), 0);
}

TEST(TTekst, OptionsSwitchInputsLabelsAndTooltips) {
    DialogFixture<TTekst> f;
    TTekst& t = *f.dialog;
    EXPECT_FALSE(t.RzFontListBox1->isEnabled());
    EXPECT_FALSE(t.RzMemo1->isEnabled());
    EXPECT_FALSE(t.Label4->isVisible());
    t.RzCheckBox1->click();
    EXPECT_TRUE(t.RzFontListBox1->isEnabled());
    EXPECT_TRUE(t.RzMemo1->isEnabled());
    EXPECT_TRUE(t.Label4->isVisible());
    EXPECT_TRUE(t.Label5->isVisible());
    EXPECT_EQ(t.RzCheckBox1->toolTip(), QStringLiteral("Добавить имя шрифта"));
    t.RzCheckBox2->click();
    EXPECT_TRUE(t.RzColorComboBox2->isEnabled());
    EXPECT_EQ(t.RzCheckBox2->toolTip(), QStringLiteral("Добавить цвет шрифта"));
    t.RzCheckBox3->click();
    EXPECT_TRUE(t.RzSpinEdit1->isEnabled());
    EXPECT_EQ(t.RzCheckBox3->toolTip(), QStringLiteral("Добавить размер шрифта"));
    // Nothing selected yet, colour untouched on the first use: face="" and the initial white.
    leave(t.RzSpinEdit1, QStringLiteral("9"));
    EXPECT_EQ(BuildFont(t.Settings()), "<font face=\"\" size=\"7\" color=\"#FFFFFF\"></font>");
    leave(t.RzSpinEdit1, QStringLiteral("0"));
    EXPECT_EQ(t.Settings().size, 1);
}

TEST(TTekst, FontAndColourSurviveTheNextShowingButAreWrittenOnlyWhenCheckedAgain) {
    DialogFixture<TTekst> f;
    TTekst& t = *f.dialog;
    ASSERT_GT(t.RzFontListBox1->count(), 1);
    QListWidgetItem* item = t.RzFontListBox1->item(1);
    const QString family = item->text();
    t.RzCheckBox1->click();
    // Chosen with the mouse: the click moves the current row before it selects.
    QTest::mouseClick(t.RzFontListBox1->viewport(), Qt::LeftButton, {},
                      t.RzFontListBox1->visualItemRect(item).center());
    ASSERT_EQ(t.RzFontListBox1->SelectedName(), family);
    EXPECT_EQ(t.Label5->text(), family);
    EXPECT_EQ(t.RzMemo1->font().family(), family);
    EXPECT_EQ(t.RzMemo1->font().pixelSize(), 16);
    t.RzCheckBox2->click();
    t.RzColorComboBox2->setSelected(rgb(0xFF, 0, 0));
    t.RzCheckBox3->click();
    leave(t.RzSpinEdit1, QStringLiteral("3"));
    f.reopen();

    EXPECT_FALSE(t.RzCheckBox1->isChecked());
    EXPECT_EQ(t.RzCheckBox1->toolTip(), QStringLiteral("Не добавлять имя шрифта"));
    EXPECT_FALSE(t.Label4->isVisible());
    EXPECT_FALSE(t.RzSpinEdit1->isEnabled());
    EXPECT_EQ(t.RzSpinEdit1->Text(), QStringLiteral("1"));
    EXPECT_EQ(BuildFont(t.Settings()), "<font></font>");
    EXPECT_EQ(t.RzFontListBox1->SelectedName(), family);
    EXPECT_EQ(t.Label5->text(), family);
    EXPECT_EQ(t.RzMemo1->font().family(), family);
    t.RzCheckBox1->click();
    t.RzCheckBox2->click();
    const std::string face = varlo::cp1251::fromUtf8(family.toStdString()).value_or("?");
    EXPECT_EQ(BuildFont(t.Settings()), "<font face=\"" + face + "\" color=\"#FF0000\"></font>");
}

// --- List

QStringList markerNames(const TSpisok& s) {
    return s.RadioGroup1->Items();
}

TEST(TSpisok, KindsClearEachOtherAndReloadTheMarkers) {
    DialogFixture<TSpisok> f;
    TSpisok& s = *f.dialog;
    const QStringList numbered = {QStringLiteral("Арабские цифры"), QStringLiteral("Римские цифры"),
                                  QStringLiteral("Заглавные буквы"),
                                  QStringLiteral("Строчные буквы")};
    const QStringList bullets = {QStringLiteral("Закрашенный кружок"),
                                 QStringLiteral("Незакрашенный кружок"),
                                 QStringLiteral("Квадратик")};
    EXPECT_EQ(markerNames(s), numbered);
    EXPECT_EQ(s.RadioGroup1->ItemIndex(), 0);

    s.RzCheckBox2->click();
    EXPECT_FALSE(s.RzCheckBox1->isChecked());
    EXPECT_EQ(markerNames(s), bullets);
    s.RadioGroup1->button(2)->click();
    leave(s.RzSpinEdit1, QStringLiteral("3"));
    s.RzCheckBox3->click();
    EXPECT_TRUE(s.RzEdit1->isEnabled());
    EXPECT_EQ(s.RzCheckBox3->toolTip(), QStringLiteral("Добавить подсказку в список"));
    s.RzEdit1->setText(QStringLiteral("Меню"));
    EXPECT_EQ(BuildList(s.Settings()), BuildList({false, 2, 3, w("Меню")}));
    // The kinds never switch their own tooltips.
    EXPECT_EQ(s.RzCheckBox2->toolTip(), QStringLiteral("Добавить ненумерованный список"));

    s.RzCheckBox1->click();
    EXPECT_FALSE(s.RzCheckBox2->isChecked());
    EXPECT_EQ(markerNames(s), numbered);
    EXPECT_EQ(s.RadioGroup1->ItemIndex(), 0);
}

TEST(TSpisok, WithNeitherKindCheckedTheNamesShownMatchTheListWritten) {
    DialogFixture<TSpisok> f;
    TSpisok& s = *f.dialog;
    // Unchecking the numbered kind: bullet names, the first selected, a bulleted list.
    s.RzCheckBox1->click();
    EXPECT_FALSE(s.RzCheckBox2->isChecked());
    EXPECT_EQ(s.RadioGroup1->Items().constFirst(), QStringLiteral("Закрашенный кружок"));
    EXPECT_EQ(BuildList(s.Settings()).rfind("<UL type=disc title=", 0), 0u);
    // Unchecking the bulleted kind by hand keeps the bullets and the marker chosen.
    s.RzCheckBox2->click();
    s.RadioGroup1->button(1)->click();
    s.RzCheckBox2->click();
    EXPECT_FALSE(s.RzCheckBox1->isChecked());
    EXPECT_FALSE(s.RzCheckBox2->isChecked());
    EXPECT_EQ(s.RadioGroup1->Items().size(), 3);
    EXPECT_EQ(s.RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(BuildList(s.Settings()).rfind("<UL type=circle title=", 0), 0u);
}

TEST(TSpisok, ShowResetsAndInsertGoesInAsOneStep) {
    DialogFixture<TSpisok> f("[sel]", "sel");
    TSpisok& s = *f.dialog;
    s.RzCheckBox2->click();
    s.RzCheckBox3->click();
    s.RzEdit1->setText(QStringLiteral("t"));
    leave(s.RzSpinEdit1, QStringLiteral("60"));
    EXPECT_EQ(s.Settings().items, 50);
    f.reopen();
    EXPECT_TRUE(s.RzCheckBox1->isChecked());
    EXPECT_FALSE(s.RzCheckBox2->isChecked());
    EXPECT_FALSE(s.RzEdit1->isEnabled());
    EXPECT_TRUE(s.RzEdit1->text().isEmpty());
    EXPECT_EQ(s.RzCheckBox3->toolTip(), QStringLiteral("Не добавлять подсказку в список"));
    EXPECT_EQ(s.RadioGroup1->Items().size(), 4);
    f.insert();
    EXPECT_EQ(f.editor.text(), w("[<OL type=1 title=\"\">\r\n  <LI>вашь текст\r\n</OL>]"));
    f.editor.undo();
    EXPECT_EQ(f.editor.text(), "[sel]");
}

// --- Select list

TEST(TSelect, KindsClearEachOtherOnlyWhenCheckedAndShowResets) {
    DialogFixture<TSelect> f;
    TSelect& s = *f.dialog;
    EXPECT_TRUE(s.RzCheckBox1->isChecked());
    s.RzCheckBox2->click();
    EXPECT_FALSE(s.RzCheckBox1->isChecked());
    s.RzCheckBox2->click();
    EXPECT_FALSE(s.RzCheckBox1->isChecked()); // unchecking does nothing
    leave(s.RzSpinEdit1, QStringLiteral("3"));
    EXPECT_EQ(BuildSelect(s.Settings()), BuildSelect({false, 3}));
    s.RzCheckBox1->click();
    EXPECT_EQ(BuildSelect(s.Settings()), BuildSelect({true, 3}));
    EXPECT_EQ(s.RzCheckBox1->toolTip(), QStringLiteral("Добавить выпадающий список"));
    s.RzCheckBox2->click();
    f.reopen();
    EXPECT_TRUE(s.RzCheckBox1->isChecked());
    EXPECT_FALSE(s.RzCheckBox2->isChecked());
    EXPECT_EQ(s.RzSpinEdit1->Text(), QStringLiteral("1"));
    f.insert();
    EXPECT_EQ(f.editor.text(), w("<select size=1>\r\n  <option>Строка\r\n</select>"));
    EXPECT_FALSE(f.dialog->isVisible());
}

} // namespace
