#pragma once
// A 30 x 30 toolbar button that shows a picture, and its hot picture while the mouse is
// over it. Besides clicks it reports a press of the right mouse button.
#include <QAbstractButton>
#include <QSvgRenderer>

namespace platform {

class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    PictureButton(const QString& name, const QString& picture, const QString& hotPicture, QWidget* parent);
    QSize sizeHint() const override { return {30, 30}; }

  signals:
    void rightPressed();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QSvgRenderer normal_;
    QSvgRenderer hot_;
    bool hover_ = false;
};

} // namespace platform
