// Opening a 100 MB document through OpenDocument until its page has painted, and saving it, next
// to reading and writing the same bytes with plain stdio in the same run.

#include "app/DocumentFile.h"
#include "app/TAdvPageControl.h"
#include "app/Unit1.h"
#include "editor/document/EditorModel.h"
#include "editor/widget/TSynMemo.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(const std::function<void()>& f) {
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// HTML-looking lines of varied length, CR LF ends, Windows-1251 letters among them.
std::string document(std::size_t bytes) {
    const std::string lines[] = {
        "<p class=\"text\">\xcf\xf0\xe8\xe2\xe5\xf2, \xec\xe8\xf0! Some text &nbsp; here</p>",
        "<td align=center><a href=\"page.html\">link</a></td>",
        "",
        "    <img src=\"picture.gif\" width=100 height=50 "
        "alt=\"\xea\xe0\xf0\xf2\xe8\xed\xea\xe0\">",
        "<!-- a comment that runs on for a while, longer than the other lines of the page -->",
    };
    std::string s;
    s.reserve(bytes + 200);
    for (std::size_t i = 0; s.size() < bytes; ++i) {
        s += lines[i % std::size(lines)];
        s += "\r\n";
    }
    return s;
}

// Into fresh memory, as a loader must: the floor pays for the pages it fills.
double stdioRead(const std::string& path, std::string& into) {
    return seconds([&] {
        FILE* f = std::fopen(path.c_str(), "rb");
        std::vector<char> buf(4 << 20);
        into = std::string();
        std::size_t n;
        while ((n = std::fread(buf.data(), 1, buf.size(), f)) > 0)
            into.append(buf.data(), n);
        std::fclose(f);
    });
}

// The floor of a save that is on the disk when it returns: write, flush, sync.
double stdioWrite(const std::string& path, const std::string& bytes, bool sync) {
    return seconds([&] {
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fflush(f);
        if (sync)
            ::fsync(::fileno(f));
        std::fclose(f);
    });
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::size_t size = 100u << 20;
    constexpr int kRuns = 3;

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Fails"));
    const QString path = dir.filePath(QStringLiteral("big.html"));
    const std::string text = document(size);
    stdioWrite(path.toStdString(), text, true);
    std::printf("document: %zu bytes, CR LF lines\n", text.size());

    double readFloor = 1e9, writeFloor = 1e9, syncFloor = 1e9, open = 1e9, save = 1e9;
    double bareLoad = 1e9, bareSave = 1e9;
    std::string copy;
    for (int run = 0; run < kRuns; ++run) {
        readFloor = std::min(readFloor, stdioRead(path.toStdString(), copy));
        const std::string other = dir.filePath(QStringLiteral("stdio.html")).toStdString();
        writeFloor = std::min(writeFloor, stdioWrite(other, copy, false));
        syncFloor = std::min(syncFloor, stdioWrite(other, copy, true));

        {
            // The same reading and writing rules on a model that no editor shows.
            varlo::EditorModel bare;
            bareLoad = std::min(bareLoad, seconds([&] { varlo::DocumentFile::read(path, bare); }));
            bareSave = std::min(bareSave, seconds([&] {
                                    varlo::DocumentFile::write(
                                        dir.filePath(QStringLiteral("bare.html")), bare);
                                }));
        }

        varlo::StartOptions options;
        options.failsDir = dir.filePath(QStringLiteral("Fails"));
        auto form = std::make_unique<varlo::TForm1>(options);
        form->show();
        QApplication::processEvents();
        open = std::min(open, seconds([&] {
                            form->CurrentFileName = path;
                            form->OpenDocument();
                            form->ActiveEditor()->viewport()->repaint();
                        }));
        if (form->ActiveEditor()->model().textLength() + 2 != static_cast<std::int64_t>(size) &&
            form->ActiveEditor()->model().lineCount() == 0) {
            std::printf("the document did not load\n");
            return 1;
        }
        save = std::min(save, seconds([&] { form->N6Click(); }));
        form->ActiveEditor()->model().setModified(false);
        form->close();
    }
    std::printf("stdio read          %8.3f s\n", readFloor);
    std::printf("open and paint      %8.3f s   %5.2fx of stdio read (target 3x)\n", open,
                open / readFloor);
    std::printf("  of which the model alone %6.3f s (%5.2fx)\n", bareLoad, bareLoad / readFloor);
    std::printf("stdio write         %8.3f s\n", writeFloor);
    std::printf("stdio write + sync  %8.3f s\n", syncFloor);
    std::printf("save                %8.3f s   %5.2fx of stdio write + sync (target 2x), "
                "%5.2fx of stdio write\n",
                save, save / syncFloor, save / writeFloor);
    std::printf("  of which the model alone %6.3f s (%5.2fx of stdio write + sync)\n", bareSave,
                bareSave / syncFloor);
    return 0;
}
