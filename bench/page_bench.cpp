// Timings of the page area on large and many pages. Each mode runs in a process of its own,
// so that peak memory belongs to that mode alone:
//   page_bench floor <MB>     read + decode + hand to a bare edit box (the floor)
//   page_bench open <MB>      the program opens the file from its command line
//   page_bench typing <MB>    one keystroke on that page, and on a 1 KB page
//   page_bench switch <MB>    switching from an empty page to that page
//   page_bench many           500 files of 20 KB: open, review at the close box, save all
//   page_bench start          from the process's start until the empty main window is shown
#include "app/main_window.h"
#include "document/quitting.h"
#include "document/saving.h"
#include "platform/codepage.h"
#include "platform/edit_box.h"
#include "platform/files.h"
#include "support/bench_common.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <Qsci/qsciscintillabase.h>
#include <cstdio>
#include <memory>

using namespace bench;
using Clock = std::chrono::steady_clock;

namespace {

QString bigFile(int mb) {
    static QString path;
    if (path.isEmpty())
        path = writeTempFile(QString("big-%1mb.txt").arg(mb), chineseText(std::size_t(mb) << 20));
    return path;
}

struct App {
    YesInteraction ui;
    app::Program program;
    std::unique_ptr<app::MainWindow> window;
    explicit App(const QStringList& arguments) {
        program.ui = &ui;
        program.programDirectory = QDir::tempPath();
        program.arguments = arguments;
        window = std::make_unique<app::MainWindow>(program);
        window->show();
        QApplication::processEvents();
    }
};

void settle(QWidget& w) {
    w.repaint();
    QApplication::processEvents();
}

double floorSeconds(const QString& path) {
    platform::EditBox bare; // what any edit box needs: the bytes, decoded, in the widget
    bare.resize(780, 450);
    bare.show();
    QApplication::processEvents();
    const auto start = Clock::now();
    const std::string bytes = platform::files::readText(path);
    const std::string decoded = platform::codepage::decode(bytes);
    bare.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, decoded.c_str());
    settle(bare);
    return secondsSince(start);
}

int floorMode(int mb) {
    const QString path = bigFile(mb);
    const double s = floorSeconds(path);
    std::printf("floor: read+decode+show %d MB: %.3f s, peak %ld MiB\n", mb, s, peakMemoryMiB());
    return 0;
}

int openMode(int mb) {
    const QString path = bigFile(mb);
    const auto start = Clock::now();
    App a(QStringList{path});
    settle(*a.window);
    const double s = secondsSince(start);
    std::printf("open from the command line %d MB: %.3f s, peak %ld MiB (target %ld MiB)\n", mb, s,
                peakMemoryMiB(), long(2.5 * mb + 60));
    return 0;
}

// One keystroke and its painting: only what it made dirty, or (wholeView) the whole view.
double keystrokeMedian(app::MainWindow& w, int strokes, bool wholeView) {
    platform::EditBox& box = *w.编辑框_文本显示;
    box.setFocus();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    box.viewport()->installEventFilter(&counter);
    std::vector<double> times;
    for (int i = 0; i < strokes; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
        const auto start = Clock::now();
        QApplication::sendEvent(&box, &press);
        QApplication::sendEvent(&box, &release);
        if (wholeView) box.viewport()->repaint();
        QApplication::processEvents(); // paints what the keystroke made dirty
        times.push_back(secondsSince(start));
    }
    if (counter.paints < strokes)
        std::printf("warning: only %d paints for %d keystrokes\n", counter.paints, strokes);
    return median(times);
}

int typingMode(int mb) {
    const QString path = bigFile(mb);
    for (bool wholeView : {false, true}) {
        double big = 0, small = 0;
        {
            App a(QStringList{path});
            big = keystrokeMedian(*a.window, 41, wholeView);
        }
        {
            App a(QStringList{writeTempFile("small.txt", chineseText(1024))});
            small = keystrokeMedian(*a.window, 41, wholeView);
        }
        std::printf("typing (%s): median per keystroke %d MB page %.3f ms, 1 KB page %.3f ms (ratio %.2f)\n",
                    wholeView ? "whole view repainted" : "dirty region painted", mb, big * 1e3, small * 1e3,
                    big / small);
    }
    return 0;
}

int switchMode(int mb) {
    const QString path = bigFile(mb);
    const double floor = floorSeconds(path);
    const QString empty = writeTempFile("empty.txt", "");
    App a(QStringList{empty, path});
    platform::TabStrip& tabs = *a.window->高级选择夹_标签;
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        tabs.setCurrent(0);
        settle(*a.window);
        const auto start = Clock::now();
        tabs.setCurrent(1);
        settle(*a.window);
        times.push_back(secondsSince(start));
    }
    std::printf("switch: empty page -> %d MB page %.4f s (median), floor %.3f s, ratio %.3f\n", mb,
                median(times), floor, median(times) / floor);
    return 0;
}

int manyMode() {
    QStringList paths;
    for (int i = 0; i < 500; ++i)
        paths << writeTempFile(QString("many-%1.txt").arg(i), chineseText(20 * 1024, 100 + i));
    auto start = Clock::now();
    App a(paths);
    settle(*a.window);
    std::printf("open 500 files of 20 KB from the command line: %.3f s\n", secondsSince(start));

    // The close-box review until its question: the review finds nothing and asks to quit.
    struct TimedNo : YesInteraction {
        Clock::time_point asked{};
        platform::Answer message(QWidget*, const platform::MessageRequest&) override {
            asked = Clock::now();
            return platform::Answer::No;
        }
    } timed;
    a.program.ui = &timed;
    start = Clock::now();
    document::onMainWindowClosing(a.program);
    std::printf("close-box review of 500 unmodified pages until its question: %.3f s\n",
                std::chrono::duration<double>(timed.asked - start).count());

    a.program.ui = &a.ui;
    start = Clock::now();
    document::saveAllPages(a.program);
    std::printf("save all of 500 pages with files: %.3f s\n", secondsSince(start));
    for (const QString& p : paths)
        QFile::remove(p);
    return 0;
}

} // namespace

Clock::time_point processStart;

int startMode() {
    App a(QStringList{});
    settle(*a.window);
    std::printf("start: main window shown %.3f s after the process began\n", secondsSince(processStart));
    return 0;
}

int main(int argc, char** argv) {
    processStart = Clock::now();
    platform::installPlainAccessibilityForEditBoxes();
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(assets);
    const std::string mode = argc > 1 ? argv[1] : "";
    const int mb = argc > 2 ? std::atoi(argv[2]) : 100;
    if (mode == "floor") return floorMode(mb);
    if (mode == "open") return openMode(mb);
    if (mode == "typing") return typingMode(mb);
    if (mode == "switch") return switchMode(mb);
    if (mode == "many") return manyMode();
    if (mode == "start") return startMode();
    std::fprintf(stderr, "usage: page_bench floor|open|typing|switch <MB> | many | start\n");
    return 2;
}
