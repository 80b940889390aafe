#include <vector>

#include "engine/DataFiles.h"
#include "engine/Replace.h"
#include "jt/JapaneseToThai.h"
#include "jt/TableFiles.h"
#include "jt/Tokens.h"

namespace pralomen {
namespace {

constexpr char16_t kGlottalStop = u'?';
// Stands in for an existing long vowel while the short ones are doubled; never typed by a user.
constexpr char16_t kLongVowelPlaceholder[] = u"\uE000";

std::vector<std::u16string> LookUpTokens(const std::u16string& s, const OrderedTable& table)
{
    std::vector<std::u16string> SD;
    for (std::u16string& token : SplitTokens(s)) {
        if (IsMarkerToken(token)) {
            SD.push_back(std::move(token));
            continue;
        }
        SD.push_back(table.Find(token).value_or(token));
    }
    return SD;
}

// The stop a glottal-stop final becomes before a syllable opening with c, or '\0' to leave it.
char16_t ClosingStopBefore(char16_t c)
{
    switch (c) {
    case u'k': return u'k';
    case u't': case u's': case u'c': case u'd': return u't';
    case u'p': case u'b': return u'p';
    default: return u'\0';
    }
}

void CloseGlottalStops(std::vector<std::u16string>& SD)
{
    for (std::size_t i = 0; i + 1 < SD.size(); ++i) {
        if (SD[i].empty() || SD[i].back() != kGlottalStop || SD[i + 1].empty()) continue;
        if (char16_t stop = ClosingStopBefore(SD[i + 1].front())) SD[i].back() = stop;
    }
}

// A syllable ending in the single vowel gets it doubled; one that already holds the long vowel keeps it.
void LengthenFinalVowel(std::u16string& item, char16_t vowel)
{
    const std::u16string longVowel(2, vowel);
    ReplaceStr(item, longVowel, kLongVowelPlaceholder);
    if (item.back() == vowel) ReplaceStr(item, std::u16string(1, vowel), longVowel);
    ReplaceStr(item, kLongVowelPlaceholder, longVowel);
}

// The last syllable of each word stays short.
void LengthenInnerAO(std::vector<std::u16string>& SD)
{
    for (std::size_t i = 0; i + 1 < SD.size(); ++i) {
        if (IsMarkerToken(SD[i]) || SD[i].empty() || SD[i + 1] == kSpaceToken) continue;
        LengthenFinalVowel(SD[i], u'a');
        LengthenFinalVowel(SD[i], u'o');
    }
}

} // namespace

std::u16string GetRomeToIPA(const std::u16string& s, const std::filesystem::path& tableFolder, bool AO_flg)
{
    OrderedTable table;
    if (!LoadPairTable(tableFolder / jp2File, table)) return {};
    std::vector<std::u16string> SD = LookUpTokens(s, table);
    CloseGlottalStops(SD);
    if (AO_flg) LengthenInnerAO(SD);
    return JoinWithBlanks(SD);
}

} // namespace pralomen
