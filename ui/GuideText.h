// The guide file's text: a byte-order mark selects UTF-8 or UTF-16; without one the bytes are UTF-8
// when they are valid UTF-8, else the Japanese ANSI code page (Shift_JIS) the guide was written in.
#pragma once

#include <QByteArray>
#include <QString>

namespace pralomen::ui {

QString DecodeGuideText(const QByteArray& bytes);

} // namespace pralomen::ui
