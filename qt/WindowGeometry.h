#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include "desktop/ControlTable.h"

namespace veltrano {

constexpr QRect pixelRect(TwipsRect twips) {
    return QRect(twipsToPixels(twips.left), twipsToPixels(twips.top), twipsToPixels(twips.width),
                 twipsToPixels(twips.height));
}

inline void placeInTwips(QWidget& widget, TwipsRect twips) {
    widget.setGeometry(pixelRect(twips));
}

// Puts a top-level window in the middle of the screen: half the screen less half the window's
// outer size, in each direction.
inline void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    const double left = area.width() / 2.0 - outer.width() / 2.0;
    const double top = area.height() / 2.0 - outer.height() / 2.0;
    window.move(area.x() + static_cast<int>(left), area.y() + static_cast<int>(top));
}

// Shows a centred window. The size of its frame is known only once it is shown, so it is
// centred again then.
inline void showCentred(QWidget& window) {
    centreOnScreen(window);
    window.show();
    centreOnScreen(window);
}

}  // namespace veltrano
