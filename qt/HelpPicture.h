#pragma once

#include <QPixmap>
#include <QString>

namespace veltrano {

struct HelpPictureContent;

// Paints a help picture from its content: each section's control as the main window shows it,
// then its lines in a fixed-pitch face.
class HelpPicture {
  public:
    static QPixmap draw(const HelpPictureContent& content);
    // The pixel size of the face the lines are drawn in: the largest from kLargestPixelSize
    // down to kSmallestPixelSize that fits, else one less than the smallest.
    static int fittingPixelSize(const HelpPictureContent& content);

  private:
    static QPixmap runButtonImage(const QString& caption);
    static QPixmap fillLevelImage(const QString& item);
    static QPixmap changeAllImage(const QString& caption);
};

}  // namespace veltrano
