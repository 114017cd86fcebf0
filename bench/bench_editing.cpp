// Replace-all and find-next through a large document with the linear engine, next to the steps
// read literally (Text assembled again for every hit) on a small document in the same run.

#include "editing/FindReplace.h"
#include "editor/document/EditorModel.h"
#include "editor/widget/TSynMemo.h"
#include "tests/support/NaiveFindReplace.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <functional>
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
        long changes = 0;
        m.onChange = [&] { ++changes; };
        f.replaceAll = seconds([&] { replaceStep(m, q, true); });
        f.hits = changes;
    }
    {
        varlo::EditorModel m;
        m.setText(text);
        long found = 0;
        f.findThrough = seconds([&] {
            while (findStep(m, q, true))
                ++found;
        });
        if (found != f.hits)
            std::printf("  mismatch: %ld hits found, %ld replaced\n", found, f.hits);
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
}
