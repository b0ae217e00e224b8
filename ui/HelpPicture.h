#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace veltrano {

// The two help pictures: on white, one section for each control that shapes a run (the run
// button in its green frame, the fill-level list, the change-all box), each an image of the
// control as the main window shows it in that language, followed by its lines of explanation
// in a fixed-pitch face.
class HelpPicture {
  public:
    static constexpr QSize kGermanSize{643, 422};
    static constexpr QSize kEnglishSize{598, 420};

    static QPixmap german();
    static QPixmap english();

  private:
    struct Section {
        QPixmap control;
        QStringList lines;
    };

    static QPixmap compose(QSize size, const std::vector<Section>& sections);
    static QPixmap runButtonImage(const QString& caption);
    static QPixmap fillLevelImage(const QString& item);
    static QPixmap changeAllImage(const QString& caption);
};

}  // namespace veltrano
