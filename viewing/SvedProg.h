#pragma once

// The about window: the program's picture and one button that closes the window.

#include <QDialog>

class QLabel;
class QPushButton;

namespace varlo {

class TSved : public QDialog {
    Q_OBJECT
public:
    explicit TSved(QWidget* owner);

    QLabel* Image1 = nullptr;
    QPushButton* RzBitBtn1 = nullptr;

    void RzBitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Centred over the owner the first time only: later shows keep where the user put it.
    bool placed_ = false;
};

} // namespace varlo
