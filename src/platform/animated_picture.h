#pragma once
// A picture box that plays a short loop of pictures while it is visible.
#include <QLabel>
#include <QTimer>
#include <vector>

namespace platform {

class AnimatedPicture : public QLabel {
    Q_OBJECT
  public:
    AnimatedPicture(const QStringList& frames, int frameMs, QWidget* parent);
    int framesShown() const { return shown_; } // steps taken since creation

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void step();
    std::vector<QPixmap> frames_;
    QTimer timer_;
    int frame_ = 0;
    int shown_ = 0;
};

} // namespace platform
