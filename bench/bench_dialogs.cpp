// The first opening of the font dialog: how long filling and painting its list of installed
// font families takes, next to a plain list of the same names in one font and a list that
// measures every family it holds, all in the same run. Typefaces load once per process, so the
// cold first opening is measured before anything else touches them.

#include "dialogs/FontListBox.h"
#include "dialogs/Text.h"

#include <QApplication>
#include <QFontDatabase>
#include <QListWidget>
#include <QPixmapCache>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(const std::function<void()>& f) {
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// The best of a few runs of building, showing and painting a widget.
template <class Make> double firstPaint(Make make, int runs = 5) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QPixmapCache::clear();
        best = std::min(best, ms([&] {
                            auto w = make();
                            w->resize(193, 153);
                            w->show();
                            QApplication::processEvents();
                            (void)w->grab();
                        }));
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QStringList families;
    const double database = ms([&] { families = FontListBox::scalableFamilies(); });
    std::printf("font families: %lld scalable; first read of the font database %.1f ms\n",
                static_cast<long long>(families.size()), database);

    // The real first opening comes first, while no typeface of the list has been loaded yet.
    QWidget owner;
    const double cold =
        firstPaint([&] { return std::make_unique<TTekst>(&owner, [] { return nullptr; }); }, 1);
    std::printf("first opening of the font dialog (made, shown, painted, typefaces cold): "
                "%.2f ms\n",
                cold);

    const double plain = firstPaint([&] {
        auto w = std::make_unique<QListWidget>();
        w->addItems(families);
        return w;
    });
    // What a list costs that measures every row: every family's typeface is loaded.
    const double measuring = firstPaint([&] {
        auto w = std::make_unique<QListWidget>();
        for (const QString& f : families) {
            auto* item = new QListWidgetItem(f, w.get());
            item->setFont(QFont(f));
        }
        return w;
    });
    const double ours = firstPaint([&] { return std::make_unique<FontListBox>(); });
    std::printf("list painted once: plain names %.2f ms, every row measured %.2f ms, "
                "font list box %.2f ms\n",
                plain, measuring, ours);
    std::printf("font list box / plain names: %.2fx; every row measured / font list box: %.2fx\n",
                ours / std::max(plain, 1e-3), measuring / std::max(ours, 1e-3));

    const double dialog =
        firstPaint([&] { return std::make_unique<TTekst>(&owner, [] { return nullptr; }); }, 3);
    std::printf("font dialog made, shown and painted again: %.2f ms (of which the list is at most "
                "%.2f ms)\n",
                dialog, ours);
    return 0;
}
