// Replace-all and find-next through a large document with the linear engine, next to the steps
// read literally (Text assembled again for every hit) on a small document in the same run.

#include "app/Unit1.h"
#include "editing/DialogService.h"
#include "editing/FindReplace.h"
#include "editing/TReplaceDialog.h"
#include "editor/document/EditorModel.h"
#include "editor/widget/TSynMemo.h"
#include "tests/support/NaiveFindReplace.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Lines of 60 characters with "ab" every 20: about one hit per 20.7 bytes of Text.
std::string document(std::size_t bytes) {
    const std::string line = "ab cdefghijklmnopqrsab tuvwxyz0123456789ab ABCDEFGHIJKLMNOPQ";
    std::string s;
    s.reserve(bytes + line.size() + 2);
    while (s.size() < bytes)
        s += line + "\r\n";
    return s;
}

double seconds(const std::function<void()>& f) {
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// Answers every message box at once and notes when the first one came.
class TimedDialogs : public varlo::DialogService {
public:
    Clock::time_point shown{};
    QString text;
    void beep(Sound) override {}
    Button showMessage(const Message& m) override {
        if (text.isEmpty()) {
            shown = Clock::now();
            text = m.text;
        }
        return Ok;
    }
    std::optional<QString> openFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QString> saveFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return {}; }
};

// The program's window with the text on its page: from a press on "Заменить все" in the replace
// window to the closing message, then one undo (Ctrl+Z) of it, best of `runs`.
struct WindowFigures {
    double replaceAll = 1e9, undo = 1e9;
    bool restored = true;
};
WindowFigures throughTheReplaceWindow(const std::string& text, int runs) {
    WindowFigures w;
    QTemporaryDir dir;
    TimedDialogs dialogs;
    varlo::DialogService::install(&dialogs);
    varlo::StartOptions options;
    options.failsDir = dir.filePath(QStringLiteral("Fails"));
    for (int run = 0; run < runs; ++run) {
        auto form = std::make_unique<varlo::TForm1>(options);
        form->show();
        varlo::TSynMemo* memo = form->ActiveEditor();
        memo->model().setText(text);
        QApplication::processEvents();
        auto* open = form->findChild<QAction*>(QStringLiteral("N184"));
        open->trigger();
        auto* window = form->findChild<TReplaceDialog*>(QStringLiteral("ReplaceDialog1"));
        window->setFindText("ab");
        window->setReplaceText("xyz");
        QApplication::processEvents();
        dialogs.text.clear();
        const auto t0 = Clock::now();
        window->replaceAllButton()->click();
        w.replaceAll =
            std::min(w.replaceAll, std::chrono::duration<double>(dialogs.shown - t0).count());
        QApplication::processEvents();
        w.undo = std::min(w.undo, seconds([&] {
                              memo->commands().execute(varlo::ecUndo);
                              QApplication::processEvents();
                          }));
        w.restored = w.restored && memo->model().text().size() == text.size() - 2;
        memo->model().setModified(false);
        window->close();
        form->close();
    }
    varlo::DialogService::install(nullptr);
    return w;
}

struct Figures {
    double replaceAll = 0, findThrough = 0;
    long hits = 0;
};

template <typename ReplaceStep, typename FindStep>
Figures run(const std::string& text, ReplaceStep replaceStep, FindStep findStep) {
    Figures f;
    const FindReplace::Query q{"ab", "xyz", true};
    {
        varlo::EditorModel m;
        m.setText(text);
        f.replaceAll = seconds([&] { replaceStep(m, q, true); });
    }
    {
        varlo::EditorModel m;
        m.setText(text);
        long found = 0;
        f.findThrough = seconds([&] {
            while (findStep(m, q, true))
                ++found;
        });
        f.hits = found;
    }
    return f;
}

void print(const char* what, std::size_t bytes, const Figures& f) {
    std::printf("%-22s %6.1f MB %8ld hits  replace-all %8.3f s (%6.0f ns/hit)  find-next "
                "through %8.3f s (%6.0f ns/hit)\n",
                what, bytes / 1e6, f.hits, f.replaceAll, 1e9 * f.replaceAll / f.hits, f.findThrough,
                1e9 * f.findThrough / f.hits);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto fastReplace = [](varlo::EditorModel& m, const FindReplace::Query& q, bool all) {
        return FindReplace::replaceStep(m, q, all);
    };
    auto fastFind = [](varlo::EditorModel& m, const FindReplace::Query& q, bool down) {
        return FindReplace::findStep(m, q, down);
    };
    auto naiveReplace = [](varlo::EditorModel& m, const FindReplace::Query& q, bool all) {
        return NaiveFindReplace::replaceStep(m, q, all);
    };
    auto naiveFind = [](varlo::EditorModel& m, const FindReplace::Query& q, bool down) {
        return NaiveFindReplace::findStep(m, q, down);
    };

    const std::string small = document(200'000);
    const std::string large = document(10'000'000);
    const Figures naiveSmall = run(small, naiveReplace, naiveFind);
    const Figures fastSmall = run(small, fastReplace, fastFind);
    const Figures fastLarge = run(large, fastReplace, fastFind);
    print("literal steps", small.size(), naiveSmall);
    print("linear engine", small.size(), fastSmall);
    print("linear engine", large.size(), fastLarge);
    std::printf("on 200 KB the linear engine is %.0fx (replace-all) and %.0fx (find-next) faster\n",
                naiveSmall.replaceAll / fastSmall.replaceAll,
                naiveSmall.findThrough / fastSmall.findThrough);
    std::printf("10 MB / 200 KB cost per hit: replace-all %.2f, find-next %.2f (1.00 is linear)\n",
                (fastLarge.replaceAll / fastLarge.hits) / (fastSmall.replaceAll / fastSmall.hits),
                (fastLarge.findThrough / fastLarge.hits) /
                    (fastSmall.findThrough / fastSmall.hits));
    std::printf("replace-all on 10 MB: %.3f s (target under 1 s)\n", fastLarge.replaceAll);

    // The same replace-all in an editor widget, whose model has the widget as its observer.
    varlo::TSynMemo memo;
    memo.resize(700, 400);
    memo.model().setText(large);
    long changes = 0;
    QObject::connect(&memo, &varlo::TSynMemo::OnChange, [&] { ++changes; });
    const double inWidget = seconds([&] {
        FindReplace::replaceStep(memo.model(), FindReplace::Query{"ab", "xyz", true}, true);
    });
    std::printf("replace-all on 10 MB inside an editor widget: %.3f s, %ld OnChange\n", inWidget,
                changes);
    const double undoInWidget = seconds([&] { memo.model().undo(); });
    std::printf("its undo: %.3f s, the text %s\n", undoInWidget,
                memo.model().text() == large.substr(0, large.size() - 2) ? "restored"
                                                                         : "NOT restored");

    const WindowFigures w = throughTheReplaceWindow(large, 3);
    std::printf("replace-all on 10 MB through the replace window, press to message: %.3f s "
                "(%.2fx of the bare engine; target under 0.3 s)\n",
                w.replaceAll, w.replaceAll / fastLarge.replaceAll);
    std::printf("Ctrl+Z of it: %.3f s (target under 0.3 s), the text %s\n", w.undo,
                w.restored ? "restored" : "NOT restored");
}
