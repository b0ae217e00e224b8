#pragma once

#include <array>

namespace veltrano {

// The red wheel of the busy animation and the program icon, as both fronts draw it: a white
// disc, six red spokes, a red rim over their outer ends, a red hub with a white eye. Lengths are
// in the drawing's own units, the y axis pointing down.
class WheelGeometry {
  public:
    static constexpr int kFrameCount = 4;
    static constexpr int kSpokes = 6;
    // The colours as 0xRRGGBB.
    static constexpr unsigned kRed = 0xD21414;
    static constexpr unsigned kWhite = 0xFFFFFF;

    struct Point {
        double x;
        double y;
    };
    struct Spoke {
        Point hubEnd;
        Point rimEnd;
    };

    // Frame 1 to 4 of the animation: each turned a quarter of a spoke's angle further, so frame
    // 4 turned once more gives frame 1 and the cycle runs evenly.
    static double turnOfFrame(int frame);

    // The wheel centred in a width x height area, `margin` inside its edge, turned by
    // `turnDegrees`; spokes at least `thinnestSpoke` wide so small icons keep them.
    WheelGeometry(double width, double height, double margin, double turnDegrees,
                  double thinnestSpoke);

    Point centre;
    double radius;
    double rimWidth;
    double rimRadius;  // the middle of the rim's stroke
    double hubRadius;
    double eyeRadius;
    double spokeWidth;
    std::array<Spoke, kSpokes> spokes;
};

}  // namespace veltrano
