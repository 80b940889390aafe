#include "jt/FixedPhrases.h"

namespace pralomen {

void SpecialPhrases::newdata2(SpecialPhrase entry) { entries_.insert(entries_.begin(), std::move(entry)); }

const SpecialPhrase* SpecialPhrases::FirstWithMarker(std::u16string_view marker) const
{
    for (const SpecialPhrase& e : entries_)
        if (e.marker == marker) return &e;
    return nullptr;
}

std::u16string SpecialPhrases::GetSpMessage(std::u16string_view marker) const
{
    const SpecialPhrase* e = FirstWithMarker(marker);
    return e ? e->message : std::u16string();
}

const std::u16string* SpecialPhrases::ThaiFormOf(std::u16string_view marker) const
{
    const SpecialPhrase* e = FirstWithMarker(marker);
    return e ? &e->thai : nullptr;
}

} // namespace pralomen
