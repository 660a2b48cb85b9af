#pragma once
// The tab strip. Its programmatic operations raise the tab-changed event exactly as the
// program relies on:
// - append adds a tab at the end and raises nothing;
// - writing the current index raises the event during the call when the index changes, and
//   ignores an index that has no tab;
// - deleting a tab after the current one raises nothing; before it, the same tab stays
//   current with an index one less and the event is raised; deleting the current tab makes
//   the following tab current without an event, or, when none follows, tab 0 with an event.
// A left press on a tab is reported before the strip selects it; a right button never
// selects a tab, its release is reported.
#include <QTabBar>
#include <string>

namespace platform {

class TabStrip : public QTabBar {
    Q_OBJECT
  public:
    explicit TabStrip(QWidget* parent = nullptr);

    int count() const { return QTabBar::count(); }
    int appendTab(const std::string& label);
    void deleteTab(int index);

    // Labels are code-page bytes (they may end in half a double-byte character).
    std::string label(int index) const;
    void setLabel(int index, const std::string& label);
    QString tip(int index) const;
    void setTip(int index, const QString& tip);

    int current() const { return currentIndex(); }
    void setCurrent(int index);

  signals:
    void tabChanged();
    void leftPressed(int index);
    void rightReleased(int index);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The wheel does not turn pages: a page changes only by a click or by the program.
    void wheelEvent(QWheelEvent* event) override;

  private:
    void selectSilently(int index);
};

} // namespace platform
