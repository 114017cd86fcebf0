#pragma once

// A text field with a browse button, 25 pixels wide and with its own tooltip, at its right end.
// Pressing the button, or F4 in the field, emits browse(); typing in the field is allowed.

#include <QLineEdit>

class QToolButton;

class ButtonEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ButtonEdit(QWidget* parent = nullptr);

    static constexpr int kButtonWidth = 25;
    QToolButton* Button() const { return button_; }
    // The button's tooltip, also its name for screen readers.
    void setButtonHint(const QString& hint);

signals:
    void browse();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* button_;
};
