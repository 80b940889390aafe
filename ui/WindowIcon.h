// The program's emblem, drawn from the SVG built into the program.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace pralomen::ui {

QIcon ProgramIcon();
QPixmap EmblemPixmap(int size);

} // namespace pralomen::ui
