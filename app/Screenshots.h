// Pictures of every window with a sample conversion in it, for the guide and for checking the
// rendering of Thai, kana and IPA.
#pragma once

#include <QString>

namespace pralomen::ui {

class TMainFrm;

// Writes one PNG per window into folder; returns the process exit code.
int TakeScreenshots(TMainFrm& main, const QString& folder);

} // namespace pralomen::ui
