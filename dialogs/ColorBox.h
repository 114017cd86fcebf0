#pragma once

// A drop-down list of colour swatches without names: optionally a default swatch (black) first,
// then the 16 standard colours, last a custom swatch. Choosing the custom swatch opens the colour
// dialog, fully open; the colour picked there becomes the custom swatch's colour. A colour set by
// the program that is not in the list becomes the custom colour.

#include "editor/base/TColor.h"

#include <QComboBox>

class ColorBox : public QComboBox {
    Q_OBJECT
public:
    enum class DefaultSwatch { None, Black };
    explicit ColorBox(DefaultSwatch withDefault, QWidget* parent = nullptr);

    varlo::TColor Selected() const;
    // Selects the first swatch of this colour, or makes it the custom colour.
    void setSelected(varlo::TColor color);
    varlo::TColor CustomColor() const { return custom_; }
    int CustomIndex() const { return count() - 1; }

    // The standard colours in list order, with their names for screen readers.
    struct Swatch {
        varlo::TColor color;
        const char* name;
    };
    static const Swatch kStandard[16];

signals:
    void colorChanged(varlo::TColor color);

private:
    void onActivated(int index);
    void setCustom(varlo::TColor color);
    // The swatch chosen before the last change, to go back to when the colour dialog is
    // cancelled; current_ mirrors currentIndex() as the change signals report it.
    int previous_ = 0;
    int current_ = 0;
    varlo::TColor custom_ = varlo::rgb(0xFF, 0xFF, 0xFF);
};
