#include "support/app_fixture.h"

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

} // namespace testing_support
