// One QApplication for every test; widget tests run on the offscreen platform.
#include "platform/edit_box.h"

#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    platform::installPlainAccessibilityForEditBoxes();
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(assets);
    QFont::insertSubstitution("微软雅黑", "WenQuanYi Micro Hei");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
