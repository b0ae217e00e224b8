#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <set>

#include "ui/HelpPicture.h"
#include "ui/WheelPictures.h"

namespace veltrano {
namespace {

bool isReddish(QColor colour) {
    return colour.red() > 150 && colour.green() < 90 && colour.blue() < 90;
}

int countPixels(const QImage& image, const std::function<bool(QColor)>& matches) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += matches(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

TEST(WheelPictures, FourDifferentFramesOfARedAndWhiteWheelOnALightBackground) {
    std::set<QByteArray> distinct;
    for (int frame = 1; frame <= 4; ++frame) {
        SCOPED_TRACE(frame);
        const QImage image = WheelPictures::animationFrame(frame).toImage();
        ASSERT_EQ(image.size(), QSize(30, 29));
        EXPECT_GT(countPixels(image, isReddish), 60);
        EXPECT_GT(countPixels(image, [](QColor c) { return c == QColor(Qt::white); }), 30);
        EXPECT_GT(image.pixelColor(0, 0).lightness(), 200);
        distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<int>(image.sizeInBytes())));
    }
    EXPECT_EQ(distinct.size(), 4u);
}

TEST(WheelPictures, TheIconIsThirtyTwoSquareInAtMost256Colours) {
    const QImage icon = WheelPictures::iconImage();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
    EXPECT_LE(icon.colorCount(), 256);
    EXPECT_GT(countPixels(icon.convertToFormat(QImage::Format_ARGB32), isReddish), 60);
    EXPECT_FALSE(WheelPictures::windowIcon().isNull());
}

// The frame of the run button's image: pure green, as in the main window.
int greenFramePixels(const QImage& image) {
    return countPixels(image, [](QColor c) { return c == QColor(0, 255, 0); });
}

TEST(HelpPictures, HaveTheirSizesAWhiteGroundTheFramedRunButtonAndText) {
    const struct {
        QImage image;
        QSize size;
    } pictures[] = {{HelpPicture::german().toImage(), QSize(643, 422)},
                    {HelpPicture::english().toImage(), QSize(598, 420)}};
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.size.width());
        const QImage& image = picture.image;
        ASSERT_EQ(image.size(), picture.size);
        for (QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)}) {
            EXPECT_EQ(image.pixelColor(corner), QColor(Qt::white));
        }
        // The framed run button: a 175 x 25 frame with a 2-pixel green border.
        EXPECT_GE(greenFramePixels(image), 2 * (175 + 25) * 2 - 16);
        // Dark text fills a good part of the picture below the first image.
        const QImage text = image.copy(0, 50, image.width(), image.height() - 50);
        EXPECT_GT(countPixels(text, [](QColor c) { return c.lightness() < 100; }), 2000);
    }
    EXPECT_NE(HelpPicture::german().toImage(), HelpPicture::english().toImage());
}

}  // namespace
}  // namespace veltrano
