#include "tools/datatools/ReadingEntry.h"

#include "tools/datatools/ReadingCheck.h"
#include "tools/datatools/SyllableReading.h"

namespace pralomen::data {

std::string MakeReadingEntry(const WordEntry& word, const PralomenOptions& opt, ReadingEntry& out)
{
    out = {word.line, word.precut, word.thai, {}, {}, word.gloss};
    for (std::size_t i = 0; i < word.syllables.size(); ++i) {
        SyllableReading r;
        if (auto fault = ReadRespelledSyllable(word.syllables[i], opt, r); !fault.empty()) return fault;
        if (i > 0) {
            out.ipa += u'·';
            out.kana += u'・';
        }
        out.ipa += r.ipa;
        out.kana += r.kana;
    }
    auto faults = CheckReading(out.ipa, out.kana);
    return faults.empty() ? std::string() : faults.front();
}

std::vector<ReadingEntry> MakeReadingEntries(const WordList& list, const PralomenOptions& opt, Problems& problems)
{
    std::vector<ReadingEntry> entries;
    for (const auto& word : list.entries) {
        ReadingEntry e;
        if (auto fault = MakeReadingEntry(word, opt, e); !fault.empty()) problems.push_back({list.file, word.line, fault});
        else entries.push_back(std::move(e));
    }
    return entries;
}

std::u16string CommaField(const std::u16string& field)
{
    bool plain = !field.empty() && field.front() != u'"';
    for (char16_t c : field)
        if (c <= u' ' || c == u',' || c == u'"') plain = false;
    if (plain) return field;
    std::u16string quoted = u"\"";
    for (char16_t c : field) {
        if (c == u'"') quoted += u'"';
        quoted += c;
    }
    return quoted + u"\"";
}

std::u16string FormatReadingLine(const ReadingEntry& e)
{
    return std::u16string(e.precut ? u"1" : u"0") + u"," + CommaField(e.thai) + u"," + CommaField(e.ipa) + u"," +
           CommaField(e.kana) + u"," + CommaField(e.gloss);
}

} // namespace pralomen::data
