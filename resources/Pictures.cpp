#include "resources/Pictures.h"

#include <QPixmap>

// The pictures live in a static library, whose resource initialiser the linker would drop unless
// something calls it.
static void initPictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace varlo {

namespace {

void ready() {
    static const bool done = (initPictureResources(), true);
    (void)done;
}

} // namespace

QIcon ButtonGlyphIcon(ButtonGlyph glyph) {
    ready();
    static const char* const kFiles[] = {":/pictures/glyphs/tick.png",
                                         ":/pictures/glyphs/cross.png", ":/pictures/glyphs/ok.png"};
    // Each file is a strip of two squares: the normal state, then the disabled one.
    const QPixmap strip(QLatin1String(kFiles[static_cast<int>(glyph)]));
    const int side = strip.height();
    QIcon icon;
    icon.addPixmap(strip.copy(0, 0, side, side), QIcon::Normal);
    icon.addPixmap(strip.copy(side, 0, side, side), QIcon::Disabled);
    return icon;
}

QImage AboutPicture() {
    ready();
    return QImage(QStringLiteral(":/pictures/about.png")).convertToFormat(QImage::Format_RGB888);
}

QIcon ProgramIcon() {
    ready();
    return QIcon(QStringLiteral(":/pictures/varlo.png"));
}

} // namespace varlo
