#include "support/app_fixture.h"

#include "platform/files.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace testing_support {

void AppFixture::type(const QString& text) {
    editBox().setFocus();
    // Characters outside Latin-1 (Chinese, emoji) arrive as key events that carry only text.
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\n') {
            QTest::keyClick(&editBox(), Qt::Key_Return);
            continue;
        }
        QString chunk(c);
        if (c.isHighSurrogate() && i + 1 < text.size()) chunk += text[++i];
        if (chunk.size() == 1 && c.unicode() < 0x7F && c.unicode() >= 0x20) {
            QTest::keyClicks(&editBox(), chunk);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, chunk);
        QApplication::sendEvent(&editBox(), &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, chunk);
        QApplication::sendEvent(&editBox(), &release);
    }
}

QString AppFixture::file(const QString& name, const std::string& bytes) {
    const QString path = folder.path() + "/" + name;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

std::string AppFixture::bytesOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll().toStdString();
}

void AppFixture::openChosen(const QStringList& paths) {
    choose(paths);
    window->action("打开文件(&O)")->trigger();
}

void DocumentFixture::TearDown() {
    qunsetenv("temp");
    platform::files::restoreSystemCalls();
    AppFixture::TearDown();
}

} // namespace testing_support
