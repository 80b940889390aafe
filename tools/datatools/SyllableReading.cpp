#include "tools/datatools/SyllableReading.h"

#include "engine/SyllableReader.h"
#include "engine/Utf.h"
#include "tools/datatools/ReadingCheck.h"

namespace pralomen::data {
namespace {

bool IsHandWritten(const std::u16string& s) { return s.size() >= 2 && s.front() == u'{' && s.back() == u'}'; }

std::string ReadHandWritten(const std::u16string& syllable, SyllableReading& out)
{
    auto body = syllable.substr(1, syllable.size() - 2);
    auto bar = body.find(u'|');
    if (bar == std::u16string::npos || body.find(u'|', bar + 1) != std::u16string::npos)
        return "a hand-written syllable is written {ipa|kana}";
    out.ipa = body.substr(0, bar);
    out.kana = body.substr(bar + 1);
    if (out.ipa.find(u'·') != std::u16string::npos || out.kana.find(u'・') != std::u16string::npos)
        return "a hand-written syllable holds one syllable; write each syllable in its own {ipa|kana}";
    auto faults = CheckReading(out.ipa, out.kana);
    return faults.empty() ? std::string() : faults.front();
}

std::string ReadByRules(const std::u16string& syllable, const PralomenOptions& opt, SyllableReading& out)
{
    std::string quoted = "\"" + Utf16ToUtf8(syllable) + "\"";
    Unit unit;
    // The trailing space gives the last letter a follower, as in a prepared chunk.
    if (!ReadSyllableAt(syllable + u" ", 1, opt, unit)) return "the syllable rules cannot read " + quoted;
    if (unit.rule == kSignRule) return quoted + " is a sign, not a syllable";
    if (unit.cnt != static_cast<int>(syllable.size()))
        return "the syllable rules read only \"" + Utf16ToUtf8(unit.sthai) + "\" of " + quoted +
               " as one syllable; respell it";
    out.ipa = unit.sipa;
    out.kana = unit.skana;
    return {};
}

} // namespace

std::string ReadRespelledSyllable(const std::u16string& syllable, const PralomenOptions& opt, SyllableReading& out)
{
    out = {};
    if (syllable.empty()) return "empty syllable";
    if (IsHandWritten(syllable)) return ReadHandWritten(syllable, out);
    return ReadByRules(syllable, opt, out);
}

} // namespace pralomen::data
