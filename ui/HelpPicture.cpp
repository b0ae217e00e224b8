#include "ui/HelpPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "ui/MainWindowLayout.h"

namespace veltrano {

namespace {

constexpr int kMargin = 14;
constexpr int kGapBelowControl = 8;
constexpr int kGapBetweenSections = 18;

QFont fixedPitchFont(int pixelSize) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
    return font;
}

int sectionsHeight(const std::vector<QPixmap>& controls, const std::vector<QStringList>& lines,
                   const QFontMetrics& metrics) {
    int height = kMargin;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        height += controls[i].height() + kGapBelowControl +
                  static_cast<int>(lines[i].size()) * metrics.lineSpacing() + kGapBetweenSections;
    }
    return height;
}

}  // namespace

QPixmap HelpPicture::german() {
    return compose(
        kGermanSize,
        {{runButtonImage(QStringLiteral("Pickups korrigieren")),
          {QStringLiteral(
               "Es werden die Pickup-Einträge in der tdb- und der tit-Datei korrigiert."),
           QStringLiteral("Die falschen Einträge \"00000000\" werden in entsprechend richtige "
                          "geändert."),
           QStringLiteral("Dabei gilt:"), QStringLiteral("00000280 - Wasserkran"),
           QStringLiteral("00000300 - Kohle"), QStringLiteral("00000380 - Diesel"),
           QStringLiteral("Als Treibstoffmenge wird der Wert aus der entsprechnden World-Datei "
                          "des Pickups verwendet.")}},
         {fillLevelImage(QStringLiteral("100% ohne Anzeige")),
          {QStringLiteral("Füllmengenanzeige"),
           QStringLiteral("Pickups können grundsätzlich eine reduzierte Füllmenge haben."),
           QStringLiteral("Wählt man \"mit Anzeige\", wird diese Füllmenmenge im Aufgabeneditor "
                          "angezeigt.")}},
         {changeAllImage(QStringLiteral("Ändere alle Pickups")),
          {QStringLiteral("Es werden alle Pickups der Strecke geändert."),
           QStringLiteral("Ist diese Option nicht gewählt, werden nur defekte Pickups geändert,"),
           QStringLiteral("bei denen der Eintrag 00000000 ist.")}}});
}

QPixmap HelpPicture::english() {
    return compose(
        kEnglishSize,
        {{runButtonImage(QStringLiteral("Correct Pickups")),
          {QStringLiteral("Corrects the pickup entries in tdb and tit files."),
           QStringLiteral("Wrong \"00000000\" entries will be replaced by the proper ones."),
           QStringLiteral("Right entries are:"), QStringLiteral("00000280 - watercolumn"),
           QStringLiteral("00000300 - coal"), QStringLiteral("00000380 - diesel"),
           QStringLiteral("The fuel content of the pickup is copied from the appropriate world "
                          "file.")}},
         {fillLevelImage(QStringLiteral("100% without Label")),
          {QStringLiteral("Fuel level"), QStringLiteral("Pickups can have different fill levels."),
           QStringLiteral("If \"with Label\" is selected the fill level is shown in activity "
                          "editor.")}},
         {changeAllImage(QStringLiteral("Change all pickups")),
          {QStringLiteral("All pickups of a route will be changed."),
           QStringLiteral("If this option is not selected only pickups with wrong \"00000000\" "
                          "entries will be changed.")}}});
}

QPixmap HelpPicture::compose(QSize size, const std::vector<Section>& sections) {
    std::vector<QPixmap> controls;
    std::vector<QStringList> lines;
    for (const Section& section : sections) {
        controls.push_back(section.control);
        lines.push_back(section.lines);
    }

    // The largest face whose longest line fits the width and whose sections fit the height.
    int pixelSize = 13;
    for (; pixelSize > 6; --pixelSize) {
        const QFontMetrics metrics(fixedPitchFont(pixelSize));
        int widest = 0;
        for (const QStringList& sectionLines : lines) {
            for (const QString& line : sectionLines) {
                widest = std::max(widest, metrics.horizontalAdvance(line));
            }
        }
        if (widest <= size.width() - 2 * kMargin &&
            sectionsHeight(controls, lines, metrics) <= size.height()) {
            break;
        }
    }

    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const QFont font = fixedPitchFont(pixelSize);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(Qt::black);

    int top = kMargin;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        painter.drawPixmap(kMargin, top, controls[i]);
        top += controls[i].height() + kGapBelowControl;
        for (const QString& line : lines[i]) {
            painter.drawText(kMargin, top + metrics.ascent(), line);
            top += metrics.lineSpacing();
        }
        top += kGapBetweenSections;
    }
    return picture;
}

QPixmap HelpPicture::runButtonImage(const QString& caption) {
    QFrame frame;
    frame.setFixedSize(pixelRect(layout::kPicture2).size());
    frame.setAutoFillBackground(true);
    QPalette palette = frame.palette();
    palette.setColor(QPalette::Window, layout::runFrameColour());
    frame.setPalette(palette);
    QPushButton button(caption, &frame);
    button.setGeometry(pixelRect(layout::kCmdCorrectPickups));
    return frame.grab();
}

QPixmap HelpPicture::fillLevelImage(const QString& item) {
    QComboBox list;
    list.addItem(item);
    list.setFixedSize(pixelRect(layout::kCmbFuellstand).size());
    return list.grab();
}

QPixmap HelpPicture::changeAllImage(const QString& caption) {
    QCheckBox box(caption);
    box.setLayoutDirection(Qt::RightToLeft);
    box.setChecked(true);
    box.setFixedSize(pixelRect(layout::kChkChangeAll).size());
    return box.grab();
}

}  // namespace veltrano
