#pragma once

// The program's one door to the desktop's modal services: alert sounds, message boxes, the file
// open and save dialogs and the colour dialog. Everything that asks the user something goes
// through DialogService::instance(), so tests install a scripted double and no real dialog opens.

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace varlo {

class DialogService {
public:
    enum class Sound { Hand, Asterisk };
    enum class Icon { Error, Information, Question, Warning };
    // The stock buttons; their numeric values are those of Vspom::MsgButton.
    enum Button : unsigned { Yes = 1, No = 2, Ok = 4, Cancel = 8 };

    struct Message {
        QString caption;
        QString text; // a CR breaks the line
        Icon icon = Icon::Information;
        QList<Button> buttons; // in the order shown
        std::optional<Button> defaultButton;
        std::optional<Button> escapeButton;
        QWidget* centreOver = nullptr; // no window: the platform places the box

        // The boxes with the one button OK, which Enter and Escape both press.
        static Message ok(const QString& caption, const QString& text, Icon icon);
        // Information under the application's title.
        static Message information(const QString& text);
        // "Confirm" with the question icon.
        static Message confirmation(const QString& text);
        // An error box centred over the window that is active in the program (before any window
        // has been active the platform places it).
        static Message error(const QString& caption, const QString& text);
    };

    // A file dialog as the program describes it: the filter in "text|pattern;pattern|..." form,
    // the entry selected when it opens (0-based), the remembered name and the default extension.
    struct FileRequest {
        QString title;
        QString filter;
        int filterIndex = 0;
        QString fileName;
        QString defaultExt;
        bool overwritePrompt = false;
    };

    virtual ~DialogService() = default;

    virtual void beep(Sound sound) = 0;
    // Shows the box modally and returns the button pressed (the escape button when it is closed
    // by other means).
    virtual Button showMessage(const Message& message) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request) = 0;
    // The colour dialog, fully open; nothing when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;

    // The service in use: the desktop's unless a test installed its own.
    static DialogService& instance();
    // Installs a service (not owned); nullptr goes back to the desktop's.
    static void install(DialogService* service);

    // --- Helpers shared by the dialogs and their tests
    // "Text|*.a; *.b|All|*.*" as Qt name filters: "Text (*.a *.b)". A pattern given as a bare
    // extension (".html") stands for "*.html".
    static QStringList qtFilters(const QString& windowsFilter);
    // The patterns of each entry, with bare extensions made into wildcards.
    static QList<QStringList> filterPatterns(const QString& windowsFilter);
    // The extension (without the dot) that the entry's first pattern gives a name typed without
    // one; empty for a pattern such as "*.*" or "*".
    static QString patternExtension(const QString& pattern);
    // The top-left corner that centres a box of the given size over `outer`; the halves are
    // truncated toward zero.
    static QPoint centredTopLeft(const QRect& outer, const QSize& box);
};

} // namespace varlo
