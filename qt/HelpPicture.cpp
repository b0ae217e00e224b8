#include "qt/HelpPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <vector>

#include "desktop/ControlTable.h"
#include "desktop/HelpPictureContent.h"
#include "qt/QtControls.h"
#include "qt/WindowGeometry.h"

namespace veltrano {

namespace {

using Content = HelpPictureContent;

// The protocol box's face.
QFont fixedPitchFont(int pixelSize) {
    QFont font = QtControls::font(FontId::Protocol);
    font.setPixelSize(pixelSize);
    return font;
}

QSize pixelSize(ControlId control) {
    return pixelRect(ControlTable::control(control).place).size();
}

// The control a section shows, as big as the main window shows it (the run button in its frame).
int controlHeight(const HelpSection& section) {
    // In the order of HelpSection::Control.
    constexpr std::array<ControlId, 3> kShown{ControlId::Picture2, ControlId::cmbFuellstand,
                                              ControlId::chkChangeAll};
    return pixelSize(kShown[static_cast<std::size_t>(section.control)]).height();
}

int sectionsHeight(const Content& content, const QFontMetrics& metrics) {
    int height = Content::kMargin;
    for (const HelpSection& section : content.sections) {
        height += controlHeight(section) + Content::kGapBelowControl +
                  static_cast<int>(section.lines.size()) * metrics.lineSpacing() +
                  Content::kGapBetweenSections;
    }
    return height;
}

}  // namespace

// The largest face whose longest line fits the width and whose sections fit the height.
int HelpPicture::fittingPixelSize(const HelpPictureContent& content) {
    int size = Content::kLargestPixelSize;
    for (; size > Content::kSmallestPixelSize - 1; --size) {
        const QFontMetrics metrics(fixedPitchFont(size));
        int widest = 0;
        for (const HelpSection& section : content.sections) {
            for (const char16_t* line : section.lines) {
                widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf16(line)));
            }
        }
        if (widest <= content.width - 2 * Content::kMargin &&
            sectionsHeight(content, metrics) <= content.height) {
            break;
        }
    }
    return size;
}

QPixmap HelpPicture::draw(const HelpPictureContent& content) {
    std::vector<QPixmap> controls;
    for (const HelpSection& section : content.sections) {
        const QString caption = QString::fromUtf16(section.caption);
        switch (section.control) {
            case HelpSection::Control::RunButton:
                controls.push_back(runButtonImage(caption));
                break;
            case HelpSection::Control::FillLevelList:
                controls.push_back(fillLevelImage(caption));
                break;
            case HelpSection::Control::ChangeAllBox:
                controls.push_back(changeAllImage(caption));
                break;
        }
    }

    QPixmap picture(content.width, content.height);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const QFont font = fixedPitchFont(fittingPixelSize(content));
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(Qt::black);

    int top = Content::kMargin;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        painter.drawPixmap(Content::kMargin, top, controls[i]);
        top += controlHeight(content.sections[i]) + Content::kGapBelowControl;
        for (const char16_t* line : content.sections[i].lines) {
            painter.drawText(Content::kMargin, top + metrics.ascent(), QString::fromUtf16(line));
            top += metrics.lineSpacing();
        }
        top += Content::kGapBetweenSections;
    }
    return picture;
}

QPixmap HelpPicture::runButtonImage(const QString& caption) {
    const ControlDesign& frameDesign = ControlTable::control(ControlId::Picture2);
    QFrame frame;
    frame.setFixedSize(pixelSize(ControlId::Picture2));
    QPalette palette = frame.palette();
    const int rgb = frameDesign.backColour;
    palette.setColor(QPalette::Window, QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    frame.setPalette(palette);
    QPushButton button(caption, &frame);
    button.setGeometry(pixelRect(ControlTable::control(ControlId::cmdCorrectPickups).place));
    return frame.grab();
}

QPixmap HelpPicture::fillLevelImage(const QString& item) {
    QComboBox list;
    list.addItem(item);
    list.setFixedSize(pixelSize(ControlId::cmbFuellstand));
    return list.grab();
}

QPixmap HelpPicture::changeAllImage(const QString& caption) {
    QCheckBox box(caption);
    box.setLayoutDirection(Qt::RightToLeft);
    box.setChecked(true);
    box.setFixedSize(pixelSize(ControlId::chkChangeAll));
    return box.grab();
}

}  // namespace veltrano
