#include "support/app_fixture.h"

#include <QTest>

namespace testing_support {

void AppFixture::type(const QString& text) {
    editBox().setFocus();
    for (const QChar c : text) {
        if (c == '\n')
            QTest::keyClick(&editBox(), Qt::Key_Return);
        else
            QTest::keyClicks(&editBox(), QString(c));
    }
}

} // namespace testing_support
