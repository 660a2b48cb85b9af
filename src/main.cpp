// The start routine: builds the program state, runs MainWindow until it is gone; the
// program state (the page store with it) is released when this returns.
#include "app/main_window.h"
#include "platform/edit_box.h"
#include "platform/files.h"

#include <QApplication>
#include <QFont>
#include <QPointer>
#include <QScreen>

int main(int argc, char* argv[]) {
    platform::installPlainAccessibilityForEditBoxes();
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(assets);
    QFont::insertSubstitution("微软雅黑", "WenQuanYi Micro Hei");

    platform::QtInteraction interaction;
    app::Program program;
    program.ui = &interaction;
    program.programDirectory = platform::files::programDirectory();
    program.arguments = application.arguments().mid(1);

    auto* window = new app::MainWindow(program);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with MainWindow, also when it was hidden (closed from the tray).
    QObject::connect(window, &QObject::destroyed, &application, &QCoreApplication::quit);
    const QRect screen = window->screen()->availableGeometry();
    // Centred by its outer frame; once shown, the window manager's frame is known and the
    // window is centred again if the frame changed its size.
    const auto centre = [&] {
        const QSize outer = window->frameGeometry().size();
        window->move(screen.center() - QPoint(outer.width() / 2, outer.height() / 2));
    };
    centre();
    window->show();
    if (window->frameGeometry().size() != window->size()) centre();
    const QPointer<app::MainWindow> alive(window);
    const int result = application.exec();
    delete alive.data(); // before the program state it refers to
    return result;
}
