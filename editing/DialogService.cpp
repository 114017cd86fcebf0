#include "editing/DialogService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>

namespace varlo {

namespace {

struct ButtonRow {
    DialogService::Button button;
    const char* text;
    QMessageBox::ButtonRole role;
};
constexpr ButtonRow kButtons[] = {
    {DialogService::Yes, "&Yes", QMessageBox::YesRole},
    {DialogService::No, "&No", QMessageBox::NoRole},
    {DialogService::Ok, "OK", QMessageBox::AcceptRole},
    {DialogService::Cancel, "Cancel", QMessageBox::RejectRole},
};

QMessageBox::Icon qtIcon(DialogService::Icon icon) {
    switch (icon) {
    case DialogService::Icon::Error:
        return QMessageBox::Critical;
    case DialogService::Icon::Question:
        return QMessageBox::Question;
    case DialogService::Icon::Warning:
        return QMessageBox::Warning;
    case DialogService::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

class DesktopDialogService final : public DialogService {
public:
    void beep(Sound) override { QApplication::beep(); }

    Button showMessage(const Message& message) override {
        QMessageBox box(message.centreOver);
        box.setWindowTitle(message.caption);
        box.setIcon(qtIcon(message.icon));
        QString text = message.text;
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        box.setText(text);
        box.setTextFormat(Qt::PlainText);
        QHash<QAbstractButton*, Button> pressed;
        for (Button b : message.buttons) {
            for (const ButtonRow& row : kButtons) {
                if (row.button != b)
                    continue;
                QPushButton* push = box.addButton(QString::fromLatin1(row.text), row.role);
                pressed.insert(push, b);
                if (message.defaultButton == b)
                    box.setDefaultButton(push);
                if (message.escapeButton == b)
                    box.setEscapeButton(push);
            }
        }
        if (message.centreOver) {
            box.adjustSize();
            const QWidget* over = message.centreOver->window();
            box.move(centredTopLeft(over->frameGeometry(), box.frameGeometry().size()));
        }
        box.exec();
        const auto it = pressed.constFind(box.clickedButton());
        if (it != pressed.constEnd())
            return it.value();
        return message.escapeButton.value_or(message.buttons.isEmpty() ? Ok
                                                                       : message.buttons.last());
    }

    std::optional<QString> openFileName(QWidget* parent, const FileRequest& request) override {
        QFileDialog dialog(parent, request.title);
        prepare(dialog, request);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile); // the named file need not exist
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request) override {
        QFileDialog dialog(parent, request.title);
        prepare(dialog, request);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!request.overwritePrompt)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        // A name typed without an extension gets the selected entry's; the dialog adds it before
        // it asks about overwriting, so the question names the file really written.
        const QList<QStringList> patterns = filterPatterns(request.filter);
        const QStringList names = qtFilters(request.filter);
        // The dialog may report an entry with or without its hidden pattern list.
        auto suffixFor = [&](const QString& nameFilter) {
            qsizetype i = names.indexOf(nameFilter);
            for (qsizetype k = 0; i < 0 && k < names.size(); ++k)
                if (names[k].startsWith(nameFilter + QStringLiteral(" (")))
                    i = k;
            QString ext;
            if (i >= 0 && !patterns[i].isEmpty())
                ext = patternExtension(patterns[i].constFirst());
            return ext.isEmpty() ? request.defaultExt : ext;
        };
        const int first = request.filterIndex >= 0 && request.filterIndex < names.size()
                              ? request.filterIndex
                              : 0;
        dialog.setDefaultSuffix(names.isEmpty() ? request.defaultExt : suffixFor(names[first]));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&](const QString& f) { dialog.setDefaultSuffix(suffixFor(f)); });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override {
        const QColor c = QColorDialog::getColor(initial, parent);
        if (!c.isValid())
            return std::nullopt;
        return c;
    }

private:
    static void prepare(QFileDialog& dialog, const FileRequest& request) {
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const QStringList names = qtFilters(request.filter);
        dialog.setNameFilters(names);
        if (request.filterIndex >= 0 && request.filterIndex < names.size())
            dialog.selectNameFilter(names[request.filterIndex]);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
    }
};

DialogService* installed = nullptr;

} // namespace

DialogService& DialogService::instance() {
    static DesktopDialogService desktop;
    return installed ? *installed : desktop;
}

void DialogService::install(DialogService* service) {
    installed = service;
}

DialogService::Message DialogService::Message::ok(const QString& caption, const QString& text,
                                                  Icon icon) {
    Message m;
    m.caption = caption;
    m.text = text;
    m.icon = icon;
    m.buttons = {Ok};
    m.defaultButton = Ok;
    m.escapeButton = Ok;
    return m;
}

DialogService::Message DialogService::Message::information(const QString& text) {
    return ok(QGuiApplication::applicationDisplayName(), text, Icon::Information);
}

DialogService::Message DialogService::Message::confirmation(const QString& text) {
    return ok(QStringLiteral("Confirm"), text, Icon::Question);
}

DialogService::Message DialogService::Message::error(const QString& caption, const QString& text) {
    Message m = ok(caption, text, Icon::Error);
    m.centreOver = QApplication::activeWindow();
    return m;
}

QList<QStringList> DialogService::filterPatterns(const QString& windowsFilter) {
    QList<QStringList> result;
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    for (qsizetype i = 1; i < parts.size(); i += 2) {
        QStringList patterns;
        for (QString p : parts[i].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            p = p.trimmed();
            if (p.isEmpty())
                continue;
            if (p.startsWith(QLatin1Char('.')))
                p.prepend(QLatin1Char('*'));
            patterns << p;
        }
        result << patterns;
    }
    return result;
}

QStringList DialogService::qtFilters(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    const QList<QStringList> patterns = filterPatterns(windowsFilter);
    QStringList result;
    for (qsizetype i = 0; i < patterns.size(); ++i)
        result << parts[2 * i].trimmed() + QStringLiteral(" (") +
                      patterns[i].join(QLatin1Char(' ')) + QLatin1Char(')');
    return result;
}

QString DialogService::patternExtension(const QString& pattern) {
    const qsizetype dot = pattern.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    const QString ext = pattern.mid(dot + 1);
    if (ext.isEmpty() || ext.contains(QLatin1Char('*')) || ext.contains(QLatin1Char('?')))
        return {};
    return ext;
}

QPoint DialogService::centredTopLeft(const QRect& outer, const QSize& box) {
    return {outer.left() + outer.width() / 2 - box.width() / 2,
            outer.top() + outer.height() / 2 - box.height() / 2};
}

} // namespace varlo
