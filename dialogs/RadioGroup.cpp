#include "dialogs/RadioGroup.h"

#include "dialogs/DialogLook.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& objectName, const QString& caption, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)), grid_(new QGridLayout(this)),
      columns_(columns < 1 ? 1 : columns) {
    setObjectName(objectName);
    setFont(DialogLook::labelFont());
    setAccessibleName(caption.trimmed());
    grid_->setContentsMargins(8, 4, 8, 4);
    grid_->setVerticalSpacing(2);
}

void RadioGroup::setItems(const QStringList& items) {
    for (QAbstractButton* b : group_->buttons()) {
        group_->removeButton(b);
        delete b;
    }
    items_ = items;
    const int perColumn = (items.size() + columns_ - 1) / columns_;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(QStringLiteral("item%1").arg(i));
        b->setAccessibleName(items[i]);
        b->setToolTip(toolTip());
        group_->addButton(b, i);
        grid_->addWidget(b, i % perColumn, i / perColumn);
    }
}

int RadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* b = group_->button(index))
        b->setChecked(true);
}

QRadioButton* RadioGroup::button(int index) const {
    return static_cast<QRadioButton*>(group_->button(index));
}
