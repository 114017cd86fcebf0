#include "dialogs/FontListBox.h"

#include <QFontDatabase>

FontListBox::FontListBox(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFamilies(scalableFamilies());
    // The selection, not the current row, names the font: a click moves the current row first.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!SelectedName().isEmpty())
            emit fontChosen(SelectedName());
    });
}

QStringList FontListBox::scalableFamilies() {
    QStringList out;
    const QStringList all = QFontDatabase::families();
    for (const QString& f : all)
        if (QFontDatabase::isScalable(f) && !QFontDatabase::isPrivateFamily(f))
            out << f;
    return out;
}

void FontListBox::setFamilies(const QStringList& families) {
    clear();
    for (const QString& f : families) {
        auto* item = new QListWidgetItem(f, this);
        QFont font(f);
        font.setPointSize(this->font().pointSize() > 0 ? this->font().pointSize() + 2 : 10);
        item->setFont(font);
    }
}

QString FontListBox::SelectedName() const {
    const QList<QListWidgetItem*> sel = selectedItems();
    return sel.isEmpty() ? QString() : sel.constFirst()->text();
}

void FontListBox::setSelectedName(const QString& name) {
    const QList<QListWidgetItem*> found =
        name.isEmpty() ? QList<QListWidgetItem*>{} : findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    setCurrentItem(found.constFirst());
    found.constFirst()->setSelected(true);
}
