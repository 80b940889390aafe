// Lets a window see every key before the focused control does: the window becomes the event filter
// of each of its controls.
#pragma once

class QObject;
class QWidget;

namespace pralomen::ui {

// Call once the window's controls are built.
void InstallKeyPreview(QWidget* window);
// True when watched is a control of window itself, not of a window it opened.
bool IsKeyPreviewTarget(const QWidget* window, const QObject* watched);

} // namespace pralomen::ui
