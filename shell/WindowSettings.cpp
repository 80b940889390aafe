#include "shell/WindowSettings.h"

namespace pralomen::shell {

void InitVars(WindowSettings& s) { s = WindowSettings{}; }

} // namespace pralomen::shell
