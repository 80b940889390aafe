#include "tools/datatools/PatternTable.h"

#include <set>

#include "engine/RuleTables.h"
#include "tools/datatools/ReadingEntry.h"

namespace pralomen::data {
namespace {

std::u16string RecogniserNote(std::u16string_view recogniser)
{
    if (recogniser == u"Matching_hcon") return u"子音字で始まる音節";
    if (recogniser == u"Matching_1ee") return u"前置母音 เ で始まる音節";
    if (recogniser == u"Matching_2ee") return u"前置母音 แ で始まる音節";
    if (recogniser == u"Matching_oo") return u"前置母音 โ で始まる音節";
    if (recogniser == u"Matching_ai") return u"前置母音 ใ・ไ で始まる音節";
    if (recogniser == u"Matching_oy") return u"固定語（辞書ファイルを使わずに読む語）";
    return std::u16string(recogniser);
}

std::u16string Note(const RuleDescription& d)
{
    std::u16string note = RecogniserNote(d.recogniser);
    if (d.recogniser == u"Matching_oy") return note + u"。カナ・IPA 欄は語全体の読み";
    if (d.composition.find(u"□□") != std::u16string::npos) note += u"、二字の頭子音";
    if (d.composition.find(u'▽') != std::u16string::npos) note += u"、声調符号あり";
    return note + u"。母音欄は อ を頭子音とした読み";
}

std::u16string Decimal(int n)
{
    std::string digits = std::to_string(n);
    return {digits.begin(), digits.end()};
}

} // namespace

std::vector<std::u16string> RecogniserPatternLines()
{
    std::vector<std::u16string> lines;
    std::set<int> described; // the window shows the first line of a number
    for (const auto& d : RecogniserRuleDescriptions()) {
        if (!described.insert(d.rule).second) continue;
        lines.push_back(Decimal(d.rule) + u"," + CommaField(d.recogniser) + u"," + CommaField(d.composition) + u"," +
                        CommaField(Note(d)) + u"," + CommaField(d.vowelKana) + u"," + CommaField(d.vowelIpa));
    }
    return lines;
}

} // namespace pralomen::data
