#include "qt/WheelPictures.h"

#include <QPainter>
#include <QPen>
#include <QPointF>

#include "desktop/WheelGeometry.h"

namespace veltrano {

namespace {

const QColor kRed = QColor::fromRgb(WheelGeometry::kRed);
const QColor kWhite = QColor::fromRgb(WheelGeometry::kWhite);
const QColor kLightBackground(236, 236, 236);

QPointF at(WheelGeometry::Point point) {
    return {point.x, point.y};
}

}  // namespace

QPixmap WheelPictures::animationFrame(int frame) {
    return QPixmap::fromImage(
        drawWheel(kFrameSize, WheelGeometry::turnOfFrame(frame), kLightBackground));
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
    const WheelGeometry wheel(size.width(), size.height(), 1.0, turnDegrees, 1.5);
    const QPointF centre = at(wheel.centre);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawEllipse(centre, wheel.radius, wheel.radius);

    painter.setPen(QPen(kRed, wheel.spokeWidth, Qt::SolidLine, Qt::RoundCap));
    for (const WheelGeometry::Spoke& spoke : wheel.spokes) {
        painter.drawLine(at(spoke.hubEnd), at(spoke.rimEnd));
    }

    painter.setPen(QPen(kRed, wheel.rimWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, wheel.rimRadius, wheel.rimRadius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kRed);
    painter.drawEllipse(centre, wheel.hubRadius, wheel.hubRadius);
    painter.setBrush(kWhite);
    painter.drawEllipse(centre, wheel.eyeRadius, wheel.eyeRadius);
    return image;
}

}  // namespace veltrano
