#include "qt/WheelPictures.h"

#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QtMath>
#include <algorithm>

namespace veltrano {

namespace {

constexpr int kSpokes = 6;
// The wheel looks the same every 360 / 6 degrees; four frames share that turn, so the step
// from frame 4 back to frame 1 is as long as every other step.
constexpr double kTurnPerFrame = 360.0 / kSpokes / WheelPictures::kFrameCount;

const QColor kRed(210, 20, 20);
const QColor kWhite(255, 255, 255);
const QColor kLightBackground(236, 236, 236);

}  // namespace

QPixmap WheelPictures::animationFrame(int frame) {
    const int index = std::clamp(frame, 1, kFrameCount) - 1;
    return QPixmap::fromImage(drawWheel(kFrameSize, index * kTurnPerFrame, kLightBackground));
}

QImage WheelPictures::iconImage() {
    return drawWheel(kIconSize, 0.0, Qt::transparent).convertToFormat(QImage::Format_Indexed8);
}

QIcon WheelPictures::windowIcon() {
    return QIcon(QPixmap::fromImage(iconImage()));
}

QImage WheelPictures::drawWheel(QSize size, double turnDegrees, QColor background) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double radius = std::min(size.width(), size.height()) / 2.0 - 1.0;
    const double rimWidth = radius * 0.22;
    const double hubRadius = radius * 0.24;

    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawEllipse(centre, radius, radius);

    QPen spokePen(kRed, std::max(1.5, radius * 0.16), Qt::SolidLine, Qt::RoundCap);
    painter.setPen(spokePen);
    for (int spoke = 0; spoke < kSpokes; ++spoke) {
        const double angle = qDegreesToRadians(turnDegrees + spoke * 360.0 / kSpokes);
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * hubRadius,
                         centre + direction * (radius - rimWidth / 2.0));
    }

    painter.setPen(QPen(kRed, rimWidth));
    painter.setBrush(Qt::NoBrush);
    const double rimRadius = radius - rimWidth / 2.0;
    painter.drawEllipse(centre, rimRadius, rimRadius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kRed);
    painter.drawEllipse(centre, hubRadius, hubRadius);
    painter.setBrush(kWhite);
    painter.drawEllipse(centre, hubRadius * 0.4, hubRadius * 0.4);
    return image;
}

}  // namespace veltrano
