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

// frame's top-left corner, moved so that the user can reach its title bar on the screen that holds
// most of it: not above that screen's top, not below its bottom, and at least a grip's width of it
// inside. A window that lies on no screen (one that is gone) comes back centred on the first.
QPoint KeepOnScreen(const QRect& frame, const QList<QRect>& screens);

// The usable area of every screen there is now, the primary first.
QList<QRect> AvailableScreens();

} // namespace pralomen::ui
