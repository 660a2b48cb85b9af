#include "platform/tab_strip.h"

#include "platform/codepage.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace platform {

namespace {
// '&' would mark a mnemonic on a tab; labels show it as it is.
QString shown(const std::string& label) {
    return codepage::toQString(label).replace('&', "&&");
}
} // namespace

TabStrip::TabStrip(QWidget* parent) : QTabBar(parent) {
    setExpanding(false);
    setUsesScrollButtons(true);
    setDrawBase(false);
    setElideMode(Qt::ElideNone);
    setSelectionBehaviorOnRemove(QTabBar::SelectRightTab);
    // Clicks and keys select tabs through Qt; the program's own writes are silent there and
    // raise the event themselves.
    connect(this, &QTabBar::currentChanged, this, [this](int) { emit tabChanged(); });
}

int TabStrip::appendTab(const std::string& label) {
    QSignalBlocker quiet(this);
    const int index = addTab(shown(label));
    setTabData(index, QByteArray::fromStdString(label));
    return index;
}

void TabStrip::selectSilently(int index) {
    QSignalBlocker quiet(this);
    setCurrentIndex(index);
}

void TabStrip::deleteTab(int index) {
    if (index < 0 || index >= count()) return;
    const int was = current();
    {
        QSignalBlocker quiet(this);
        removeTab(index);
    }
    if (index > was) return;
    if (index < was) {
        selectSilently(was - 1);
        emit tabChanged();
        return;
    }
    if (index < count()) {
        selectSilently(index);
        return;
    }
    selectSilently(0);
    emit tabChanged();
}

std::string TabStrip::label(int index) const {
    return tabData(index).toByteArray().toStdString();
}

void TabStrip::setLabel(int index, const std::string& label) {
    if (index < 0 || index >= count()) return;
    setTabText(index, shown(label));
    setTabData(index, QByteArray::fromStdString(label));
}

QString TabStrip::tip(int index) const {
    return tabToolTip(index);
}

void TabStrip::setTip(int index, const QString& tip) {
    setTabToolTip(index, tip);
}

void TabStrip::setCurrent(int index) {
    if (index < 0 || index >= count() || index == current()) return;
    selectSilently(index);
    emit tabChanged();
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int index = tabAt(event->position().toPoint());
        if (index >= 0) emit leftPressed(index);
    }
    if (event->button() == Qt::RightButton) {
        event->accept(); // a right press selects nothing
        return;
    }
    QTabBar::mousePressEvent(event);
}

void TabStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        const int index = tabAt(event->position().toPoint());
        if (index >= 0) emit rightReleased(index);
        event->accept();
        return;
    }
    QTabBar::mouseReleaseEvent(event);
}

void TabStrip::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

} // namespace platform
