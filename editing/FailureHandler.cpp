#include "editing/FailureHandler.h"

#include "editing/DialogService.h"

#include <QGuiApplication>
#include <QString>

#include <stdexcept>

namespace varlo {

void ShowDefaultError(const QString& message) {
    QString text = message;
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    DialogService::instance().showMessage(
        DialogService::Message::error(QGuiApplication::applicationDisplayName(), text));
}

void showDefaultErrorOf(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        ShowDefaultError(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowDefaultError(QStringLiteral("Unknown failure"));
    }
}

} // namespace varlo
