#include "viewing/SvedProg.h"

#include "resources/Pictures.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace varlo {

TSved::TSved(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Sved"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(442, 222);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    // The picture is larger than the window and starts 8 pixels above and left of it, so its
    // outer 8 pixels at the left and top are cut off.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const QPixmap picture = QPixmap::fromImage(AboutPicture());
    Image1->setPixmap(picture);
    Image1->setGeometry(-8, -8, picture.width(), picture.height());
    Image1->setAccessibleName(QStringLiteral("Varlo"));

    RzBitBtn1 = new QPushButton(ButtonGlyphIcon(ButtonGlyph::Ok), QStringLiteral("&Ок"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setGeometry(183, 189, 74, 25);
    RzBitBtn1->setToolTip(QStringLiteral("Закрыть сведения о программе"));
    RzBitBtn1->setAccessibleName(QStringLiteral("Ок"));
    RzBitBtn1->setAccessibleDescription(RzBitBtn1->toolTip());
    connect(RzBitBtn1, &QPushButton::clicked, this, &TSved::RzBitBtn1Click);
}

void TSved::RzBitBtn1Click() {
    accept();
}

void TSved::showEvent(QShowEvent* event) {
    if (!placed_ && parentWidget()) {
        placed_ = true;
        const QRect over = parentWidget()->window()->frameGeometry();
        move(over.left() + over.width() / 2 - width() / 2,
             over.top() + over.height() / 2 - height() / 2);
    }
    QDialog::showEvent(event);
}

} // namespace varlo
