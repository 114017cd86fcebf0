#pragma once

class QCoreApplication;
class QTranslator;

namespace varlo {

// Installs Qt's own Russian translations, so that the standard dialogs and the buttons and
// context menus of Qt's widgets speak Russian; the default locale becomes Russian too. Returns the
// installed translator (owned by the application), or nullptr when the translation files are not
// there and the program runs with Qt's English texts.
QTranslator* InstallQtRussian(QCoreApplication& app);

} // namespace varlo
