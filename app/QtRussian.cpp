#include "app/QtRussian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace varlo {

namespace {

// Texts that Qt's Russian translations leave in English: the kind of entry that the file
// dialogs show in their "Тип" column.
class MissingTexts final : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        (void)disambiguation;
        (void)n;
        static constexpr struct {
            const char* context;
            const char* source;
            const char* text;
        } kRows[] = {
            {"QAbstractFileIconProvider", "Drive", "Диск"},
            {"QAbstractFileIconProvider", "Folder", "Папка"},
            {"QAbstractFileIconProvider", "File", "Файл"},
            {"QAbstractFileIconProvider", "%1 File", "Файл %1"},
        };
        for (const auto& row : kRows)
            if (qstrcmp(context, row.context) == 0 && qstrcmp(source, row.source) == 0)
                return QString::fromUtf8(row.text);
        return {};
    }
};

} // namespace

QTranslator* InstallQtRussian(QCoreApplication& app) {
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QLocale::setDefault(russian);
    // Owned by the application, which keeps it for the whole run.
    auto* translator = new QTranslator(&app);
    if (!translator->load(russian, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    // Asked before Qt's own, which it only completes; it goes with the other when a caller
    // removes the one returned.
    auto* missing = new MissingTexts(translator);
    QCoreApplication::installTranslator(missing);
    return translator;
}

} // namespace varlo
