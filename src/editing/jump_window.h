#pragma once
// JumpWindow: jumps to a page given by its number (1 to the tab count) or by the beginning
// of its name. Non-modal, owned by MainWindow, destroyed when closed. It is a window of its
// own rather than a dialog, so that it has a task-bar button of its own.
#include "app/program.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace editing {

class JumpWindow : public QWidget {
    Q_OBJECT
  public:
    JumpWindow(app::Program& program, QWidget* owner);

    QLabel* 标签1 = nullptr;
    QLineEdit* 编辑框_跳转 = nullptr;
    QCheckBox* 选择框1 = nullptr;
    QPushButton* 按钮_开始跳转 = nullptr;

    static constexpr int kOuterWidth = 379;
    static constexpr int kOuterHeight = 114;

    // Makes the outer size 379 x 114 once the window manager's frame is known.
    void fitOuterSize();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onModeClicked();
    void onTextChanged(const QString& text);
    void jump();
    void jumpByName(const std::string& entered);
    void jumpByNumber();

    app::Program& p_;
};

// "跳转页面(&T)": opens JumpWindow, or brings the open one to the front.
void openJumpWindow(app::Program& p);

} // namespace editing
