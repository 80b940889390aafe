// The three font roles of the windows. Each asks for the family the windows were designed with and
// falls back to fonts that Linux desktops carry, so that Thai, kana and IPA with tone marks render.
#pragma once

#include <QFont>

namespace pralomen::ui {

QFont ThaiFont(int pointSize);
QFont JapaneseFont(int pointSize);
// Latin text and IPA with combining tone marks.
QFont LatinFont(int pointSize);

} // namespace pralomen::ui
