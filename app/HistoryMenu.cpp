#include "app/HistoryMenu.h"

#include "app/IniFile.h"
#include "app/QtText.h"

#include <QAction>
#include <QMenu>

#include <string>

namespace varlo {

namespace {

constexpr char kSection[] = "History";

std::string keyName(int n) {
    return "Open_" + std::to_string(n);
}

} // namespace

HistoryMenu::HistoryMenu(QMenu* menu) : menu_(menu) {
    menu_->setToolTipsVisible(true);
}

QString HistoryMenu::StripAmpersand(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

QString HistoryMenu::captionFor(const QString& path) {
    QString caption = path;
    if (caption.size() > kMaxCaption) {
        const qsizetype head = (kMaxCaption - 1) / 2;
        const qsizetype tail = kMaxCaption - 1 - head;
        caption = caption.left(head) + QChar(0x2026) + caption.right(tail);
    }
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

void HistoryMenu::show(QAction* entry, const QString& path) {
    entry->setData(path);
    entry->setText(captionFor(path));
    entry->setToolTip(path);
    entry->setStatusTip(path);
}

QString HistoryMenu::pathOf(const QAction* entry) {
    return entry->data().toString();
}

QAction* HistoryMenu::appendEntry(const QString& path) {
    QAction* entry = menu_->addAction(QString());
    show(entry, path);
    // Entries are slots whose paths move; the one chosen opens whatever it holds now.
    QObject::connect(entry, &QAction::triggered, menu_, [this, entry] {
        if (onChosen)
            onChosen(pathOf(entry));
    });
    return entry;
}

void HistoryMenu::load(IniFile& ini) {
    menu_->menuAction()->setEnabled(false);
    if (!ini.exists()) {
        for (int n = 1; n <= kMaxEntries; ++n)
            ini.writeString(kSection, keyName(n), "");
        return;
    }
    for (int n = 1; n <= kMaxEntries; ++n) {
        const std::string value = ini.readString(kSection, keyName(n));
        if (value.empty())
            continue;
        menu_->menuAction()->setEnabled(true);
        appendEntry(pathFromBytes(value));
    }
}

void HistoryMenu::PushHistory(const QString& path) {
    QList<QAction*> entries = menu_->actions();
    qsizetype found = -1;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (pathOf(entries[i]) == path) {
            found = i;
            break;
        }
    }
    if (found == 0)
        return;
    qsizetype from;
    if (found > 0) {
        from = found;
    } else if (entries.size() >= kMaxEntries) {
        from = kMaxEntries - 1;
    } else {
        entries << appendEntry(QString());
        menu_->menuAction()->setEnabled(true);
        from = entries.size() - 1;
    }
    for (qsizetype j = from; j >= 1; --j)
        show(entries[j], pathOf(entries[j - 1]));
    show(entries[0], path);
}

void HistoryMenu::write(IniFile& ini) const {
    const QStringList all = paths();
    for (int i = 0; i < all.size(); ++i)
        ini.writeString(kSection, keyName(i + 1), pathToBytes(all[i]));
}

QStringList HistoryMenu::paths() const {
    QStringList out;
    for (const QAction* a : menu_->actions())
        out << pathOf(a);
    return out;
}

int HistoryMenu::count() const {
    return static_cast<int>(menu_->actions().size());
}

} // namespace varlo
