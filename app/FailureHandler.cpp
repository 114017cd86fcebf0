#include "app/FailureHandler.h"

#include "editing/DialogService.h"

#include <QApplication>
#include <QString>

#include <stdexcept>

namespace varlo {

void ShowDefaultError(const QString& message) {
    DialogService::Message m;
    m.caption = QApplication::applicationName();
    m.text = message;
    if (!m.text.endsWith(QLatin1Char('.')))
        m.text += QLatin1Char('.');
    m.icon = DialogService::Icon::Error;
    m.buttons = {DialogService::Ok};
    m.defaultButton = DialogService::Ok;
    m.escapeButton = DialogService::Ok;
    m.centreOver = QApplication::activeWindow();
    DialogService::instance().showMessage(m);
}

void showDefaultErrorOf(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        ShowDefaultError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowDefaultError(QStringLiteral("Unknown failure"));
    }
}

} // namespace varlo
