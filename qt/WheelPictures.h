#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

namespace veltrano {

// The program's own pictures of a red and white spoked wheel: the four frames of the busy
// animation and the window icon. They are drawn when asked for, so the program ships no
// image files.
class WheelPictures {
  public:
    static constexpr QSize kFrameSize{30, 29};
    static constexpr QSize kIconSize{32, 32};

    // Frame 1 to 4; each shows the wheel turned a little further than the one before, and
    // frame 4 turned once more gives frame 1 again, so cycling them shows a turning wheel.
    static QPixmap animationFrame(int frame);
    // The 32 x 32 window icon in 256 colours.
    static QIcon windowIcon();
    static QImage iconImage();

  private:
    static QImage drawWheel(QSize size, double turnDegrees, QColor background);
};

}  // namespace veltrano
