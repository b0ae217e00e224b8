#include "desktop/WheelGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace veltrano {

double WheelGeometry::turnOfFrame(int frame) {
    return (frame - 1) * 360.0 / kSpokes / kFrameCount;
}

WheelGeometry::WheelGeometry(double width, double height, double margin, double turnDegrees,
                             double thinnestSpoke)
    : centre{width / 2.0, height / 2.0},
      radius(std::min(width, height) / 2.0 - margin),
      rimWidth(radius * 0.22),
      rimRadius(radius - rimWidth / 2.0),
      hubRadius(radius * 0.24),
      eyeRadius(hubRadius * 0.4),
      spokeWidth(std::max(thinnestSpoke, radius * 0.16)),
      spokes{} {
    for (int spoke = 0; spoke < kSpokes; ++spoke) {
        const double angle = (turnDegrees + spoke * 360.0 / kSpokes) * std::numbers::pi / 180.0;
        const double dx = std::cos(angle);
        const double dy = std::sin(angle);
        spokes[static_cast<std::size_t>(spoke)] = {
            {centre.x + dx * hubRadius, centre.y + dy * hubRadius},
            {centre.x + dx * rimRadius, centre.y + dy * rimRadius}};
    }
}

}  // namespace veltrano
