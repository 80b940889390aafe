#include "ui/ScreenFit.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

#include <QGuiApplication>
#include <QScreen>

namespace pralomen::ui {
namespace {

// How much of a window's title bar must stay on its screen for the user to grab it.
constexpr int kTitleBarHeight = 30;
constexpr int kGrabWidth = 100;

int Overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : common.width() * common.height();
}

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
    auto home = std::max_element(screens.begin(), screens.end(), [&](const QRect& a, const QRect& b) {
        return Overlap(a, frame) < Overlap(b, frame);
    });
    if (Overlap(*home, frame) == 0)
        return KeepOnScreen(QRect(CentredIn(screens.front(), frame.size()), frame.size()), {screens.front()});
    const int left = std::clamp(frame.left(), home->left() - std::max(frame.width() - kGrabWidth, 0),
                                home->right() - kGrabWidth + 1);
    const int top = std::clamp(frame.top(), home->top(), home->bottom() - kTitleBarHeight + 1);
    return QPoint(left, top);
}

QList<QRect> AvailableScreens() {
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (QScreen* s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen())
            screens.append(s->availableGeometry());
    return screens;
}

} // namespace pralomen::ui
