#pragma once

// The installed scalable font families, each name drawn in its own typeface. The selected name is
// empty while nothing is selected.
//
// Every row has the height of the first: the list never measures a family it does not draw, so
// filling it costs no more than reading the family names, and only the visible rows load their
// typefaces.

#include <QListWidget>
#include <QStringList>

class FontListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FontListBox(QWidget* parent = nullptr);

    QString SelectedName() const;
    // Selects the family; an empty or unknown name clears the selection.
    void setSelectedName(const QString& name);

    // The families the list offers, in the font database's order.
    static QStringList scalableFamilies();
    // Fills the list with the given families (the constructor uses scalableFamilies()).
    void setFamilies(const QStringList& families);

signals:
    void fontChosen(const QString& family);
};
