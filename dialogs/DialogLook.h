#pragma once

// The look shared by the element dialogs: their fonts, the flat framed fields with the sky-blue
// focus colour, section headings over a gradient line, and the glyphs of the two bottom buttons.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <QWidget>

class QLabel;

namespace DialogLook {

// Sky blue: the background of a focused spin edit or colour box.
inline const QColor kFocusColor{0xA6, 0xCA, 0xF0};

// "MS Sans Serif" 8 pt: the dialogs' own font.
QFont dialogFont();
// "Times New Roman" 16 pixels: labels, check boxes, radio groups and group frames.
QFont labelFont();

// A label in the label font, its text also the buddy's accessible name.
QLabel* label(const QString& text, QWidget* buddy, QWidget* parent);

// The flat frame in the active-caption colour that lights up on hover. `shaded` fields (spin
// edits and colour boxes) sit on the inactive-caption-text colour and turn sky blue while focused.
void makeFlat(QWidget* field, bool shaded);

// Gives a control that has no label of its own a name for screen readers, and its tooltip.
void nameControl(QWidget* control, const QString& objectName, const QString& accessibleName,
                 const QString& toolTip);

// The green tick of "Вставить" and the red cross of "Отмена"; Qt greys them when disabled.
QIcon insertGlyph();
QIcon cancelGlyph();

// A horizontal line that fades from the active-caption colour into the button face.
class GradientLine : public QWidget {
public:
    explicit GradientLine(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {40, 2}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A section heading: a label followed by a gradient line that fills the rest of the row; an
// empty text gives the line alone.
QWidget* sectionHeading(const QString& text, QWidget* parent);

} // namespace DialogLook
