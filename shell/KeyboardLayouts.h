// Which keyboard is under the user's fingers: Thai in the Thai fields, Japanese in the others,
// F3 to toggle, and the layout of the start restored at the end.
#pragma once

#include <string>

#include "shell/KeyboardBackend.h"

namespace pralomen::shell {

enum class FieldKind { Thai, Japanese, Ipa };

class KeyboardLayouts {
public:
    explicit KeyboardLayouts(KeyboardBackend& backend) : backend_(backend) {}

    std::u16string GetCurrentKLName() { return backend_.CurrentLayout(); }
    void LoadGaIme();
    void LoadMsJpIme();
    void LoadIPAIme();
    void LoadInitIme();

    // When the main window is built, before anything switches.
    void RememberInitIme() { InitImeStr = GetCurrentKLName(); }
    // F3: either Thai layout goes to Japanese, anything else to Thai.
    void ToggleF3();
    // Entering a field switches only while AutoIMEFlg is set.
    void EnterField(FieldKind field);

    std::u16string InitImeStr;
    bool AutoIMEFlg = true;
    // When set, the Japanese switch goes back to the layout of the start instead.
    bool OtherJpFlg = false;

private:
    KeyboardBackend& backend_;
};

} // namespace pralomen::shell
