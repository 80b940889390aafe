// The main window's own settings, as they stand before the settings file is read.
#pragma once

namespace pralomen::shell {

// The lowest size of each font slider; the highest is kFontSteps points more.
inline constexpr int kThaiFontBase = 14;
inline constexpr int kKanaFontBase = 10;
inline constexpr int kIpaFontBase = 11;
inline constexpr int kLogFontSize = 12;
inline constexpr int kFontSteps = 10;

// Geometry values of -1 mean "not set": the window is centred and the panes keep their design sizes.
struct WindowSettings {
    int MainFrmWidth2 = -1;
    int MainFrmHeight2 = -1;
    int MainFrmLeft2 = -1;
    int MainFrmTop2 = -1;
    bool HalfWidthFlg = true;
    int Panel3Height = -1;
    int Panel5Height = -1;
    int Panel7Width = -1;
    int m1FontSize = kThaiFontBase;
    int m2FontSize = kKanaFontBase;
    int m3FontSize = kIpaFontBase;
    int m4FontSize = kLogFontSize; // not saved
    bool KanaBookFlg = false;
};

// The start-up values.
void InitVars(WindowSettings& s);

} // namespace pralomen::shell
