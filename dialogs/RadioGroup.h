#pragma once

// A framed group of radio buttons whose items the program loads; exactly one item is selected
// once items are loaded. The frame's caption is also the group's name for screen readers.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& caption, int columns, QWidget* parent);

    // Replaces the items; nothing is selected until setItemIndex().
    void setItems(const QStringList& items);
    QStringList Items() const { return items_; }
    int ItemIndex() const;
    void setItemIndex(int index);
    QRadioButton* button(int index) const;

private:
    QButtonGroup* group_;
    QGridLayout* grid_;
    QStringList items_;
    int columns_;
};
