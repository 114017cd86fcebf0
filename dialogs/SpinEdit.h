#pragma once

// An integer field with up and down buttons and a range [Min, Max]. Any text may be typed; when
// the field loses focus its text is read again and clamped into the range (an empty or unreadable
// text becomes Min), so a generator that reads Text() always gets a decimal integer in range.

#include <QAbstractSpinBox>
#include <QLineEdit>

class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    SpinEdit(int min, int max, QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    // The value the field stands for now: its text read and clamped, as a focus loss would.
    int Value() const;
    void setValue(int value);
    // The field's text once it has been read and clamped: what generators write.
    QString Text() const { return QString::number(Value()); }

    // Reads the typed text and writes the clamped value back into the field.
    void normalize();
    // The text field itself, as typed into.
    QLineEdit* Field() const { return lineEdit(); }
    // The clamped value of a typed text: digits with an optional sign, surrounding blanks allowed.
    static int clamp(const QString& text, int min, int max);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    void valueChanged(int value);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    StepEnabled stepEnabled() const override;

private:
    int min_;
    int max_;
};
