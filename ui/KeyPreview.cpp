#include "ui/KeyPreview.h"

#include <QWidget>

namespace pralomen::ui {

void InstallKeyPreview(QWidget* window) {
    window->installEventFilter(window);
    for (QWidget* control : window->findChildren<QWidget*>())
        control->installEventFilter(window);
}

bool IsKeyPreviewTarget(const QWidget* window, const QObject* watched) {
    return watched->isWidgetType() && static_cast<const QWidget*>(watched)->window() == window;
}

} // namespace pralomen::ui
