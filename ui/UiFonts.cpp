#include "ui/UiFonts.h"

#include <QStringList>

namespace pralomen::ui {
namespace {

// Later families cover what the first lacks (Thai letters in a Japanese caption, kana in a Thai field).
const QStringList kThaiFamilies = {"Leelawadee UI", "Noto Sans Thai", "Loma", "Garuda", "Noto Sans CJK JP",
                                   "DejaVu Sans"};
const QStringList kJapaneseFamilies = {"Yu Gothic UI", "Noto Sans CJK JP", "IPAGothic", "Noto Sans Thai",
                                       "DejaVu Sans"};
const QStringList kLatinFamilies = {"Segoe UI", "Noto Sans", "DejaVu Sans", "Noto Sans Thai", "Noto Sans CJK JP"};

QFont FontOf(const QStringList& families, int pointSize) {
    QFont font;
    font.setFamilies(families);
    font.setPointSize(pointSize);
    return font;
}

} // namespace

QFont ThaiFont(int pointSize) { return FontOf(kThaiFamilies, pointSize); }
QFont JapaneseFont(int pointSize) { return FontOf(kJapaneseFamilies, pointSize); }
QFont LatinFont(int pointSize) { return FontOf(kLatinFamilies, pointSize); }

} // namespace pralomen::ui
