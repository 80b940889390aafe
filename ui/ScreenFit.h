// Window sizes and places on the screen: design sizes scaled to the screen, centring, and keeping
// a window where the user can reach its title bar.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace pralomen::ui {

// A design size given at 96 pixels per inch, at ppi; a half goes to the even neighbour.
int ScaleDesign(int designValue, double pixelsPerInch);

// The top-left corner that centres size in area, each quotient truncated toward zero.
QPoint CentredIn(const QRect& area, const QSize& size);

// frame's top-left corner, moved so that its title bar lies on one of screens: a window stored on
// a screen that is gone comes back centred on the first screen, and no window keeps its title bar
// above or left of the screen it is on.
QPoint KeepOnScreen(const QRect& frame, const QList<QRect>& screens);

} // namespace pralomen::ui
