#include "ui/ScreenFit.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace pralomen::ui {
namespace {

// The strip of a window the user grabs to move it, and how much of it must stay on the screen.
constexpr int kTitleBarHeight = 30;
constexpr int kGrabWidth = 100;

QRect TitleBar(const QRect& frame) { return QRect(frame.left(), frame.top(), frame.width(), kTitleBarHeight); }

} // namespace

int ScaleDesign(int designValue, double pixelsPerInch) {
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double scaled = std::nearbyint(designValue * pixelsPerInch / 96.0);
    std::fesetround(previous);
    return static_cast<int>(scaled);
}

QPoint CentredIn(const QRect& area, const QSize& size) {
    return QPoint(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

QPoint KeepOnScreen(const QRect& frame, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return frame.topLeft();
    const QRect bar = TitleBar(frame);
    auto home = std::find_if(screens.begin(), screens.end(), [&](const QRect& s) { return s.intersects(bar); });
    if (home == screens.end()) {
        QPoint centred = CentredIn(screens.front(), frame.size());
        return KeepOnScreen(QRect(centred, frame.size()), {screens.front()});
    }
    QPoint corner = frame.topLeft();
    corner.setY(std::max(corner.y(), home->top()));
    corner.setY(std::min(corner.y(), home->bottom() - kTitleBarHeight + 1));
    corner.setX(std::max(corner.x(), home->left()));
    corner.setX(std::min(corner.x(), home->right() - kGrabWidth + 1));
    return corner;
}

} // namespace pralomen::ui
