#include "shell/KeyboardLayouts.h"

namespace pralomen::shell {

void KeyboardLayouts::LoadGaIme()
{
    if (GetCurrentKLName() != kThaiLayout) backend_.Activate(kThaiLayout);
}

void KeyboardLayouts::LoadMsJpIme()
{
    if (OtherJpFlg && !InitImeStr.empty()) backend_.Activate(InitImeStr);
    else backend_.Activate(kJapaneseLayout);
}

void KeyboardLayouts::LoadIPAIme() { backend_.Activate(kJapaneseLayout); }

void KeyboardLayouts::LoadInitIme()
{
    if (!InitImeStr.empty()) backend_.Activate(InitImeStr);
}

void KeyboardLayouts::ToggleF3()
{
    const std::u16string current = GetCurrentKLName();
    if (current == kThaiLayout || current == kThaiLayout2) LoadMsJpIme();
    else LoadGaIme();
}

void KeyboardLayouts::EnterField(FieldKind field)
{
    if (!AutoIMEFlg) return;
    switch (field) {
    case FieldKind::Thai: LoadGaIme(); break;
    case FieldKind::Japanese: LoadMsJpIme(); break;
    case FieldKind::Ipa: LoadIPAIme(); break;
    }
}

} // namespace pralomen::shell
