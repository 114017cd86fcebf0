#pragma once

class QCoreApplication;

namespace varlo {

// Installs Qt's own Russian translations, so that the standard dialogs and the buttons and
// context menus of Qt's widgets speak Russian. False when the translation files are not there
// (the program then runs with Qt's English texts).
bool InstallQtRussian(QCoreApplication& app);

} // namespace varlo
