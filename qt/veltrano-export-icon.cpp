#include <QImage>
#include <QString>
#include <cstdio>

#include "qt/WheelPictures.h"

// Writes the window icon as a PNG file, so an installed program shows the same wheel in menus
// and file managers as in its own title bar. Run at build time; the package ships its output.
int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("Usage: veltrano-export-icon OUTPUT.png\n", stderr);
        return 64;
    }
    // Painting on an image and writing a PNG need no application object, so no display either.
    const QString outputPath = QString::fromLocal8Bit(argv[1]);
    if (!veltrano::WheelPictures::iconImage().save(outputPath, "PNG")) {
        std::fprintf(stderr, "veltrano-export-icon: cannot write %s\n", qPrintable(outputPath));
        return 1;
    }
    return 0;
}
