#pragma once

// The highlighter choice dialog: a list of the languages the editors can colour; "Ок" hands
// the chosen row to the owner, which puts that highlighter into the active page's editor.

#include <QDialog>
#include <QStringList>

#include <functional>

class QListWidget;
class QPushButton;

namespace varlo {

class TPodsvet : public QDialog {
    Q_OBJECT
public:
    // `captions` are the list's rows in order; `owner` is the window the dialog centres over.
    TPodsvet(QWidget* owner, const QStringList& captions);

    QListWidget* RzListBox1 = nullptr;
    QPushButton* RzBitBtn1 = nullptr; // "Ок"
    QPushButton* RzBitBtn2 = nullptr; // "Отмена"

    // Runs with the selected row when "Ок" is pressed with a row selected.
    std::function<void(int row)> OnChoose;

    // The selected row, -1 when none.
    int selectedIndex() const;

    void RzBitBtn1Click();
    void RzBitBtn2Click();

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace varlo
