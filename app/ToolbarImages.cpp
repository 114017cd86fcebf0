#include "app/ToolbarImages.h"

#include <QFile>
#include <QPixmap>

// The pictures live in a static library, whose resource initialiser the linker would drop unless
// something calls it.
static void initToolbarResources() {
    Q_INIT_RESOURCE(toolbar);
}

namespace varlo {

QIcon ToolbarImage(int index) {
    static const bool ready = (initToolbarResources(), true);
    (void)ready;
    const QString path = QStringLiteral(":/toolbar/%1.png").arg(index, 2, 10, QLatin1Char('0'));
    if (QFile::exists(path))
        return QIcon(path);
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace varlo
