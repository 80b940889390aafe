#include <vector>

#include "engine/DataFiles.h"
#include "engine/Replace.h"
#include "jt/JapaneseToThai.h"
#include "jt/TableFiles.h"
#include "jt/Tokens.h"

namespace pralomen {
namespace {

// A token no key equals is dropped: it has no Thai letters.
std::vector<std::u16string> LookUpTokens(const std::u16string& s, const OrderedTable& table)
{
    std::vector<std::u16string> SD;
    for (std::u16string& token : SplitTokens(s)) {
        if (token == kSpaceToken || (IsMarkerToken(token) && !table.empty())) {
            SD.push_back(std::move(token));
        } else if (auto thai = table.Find(token)) {
            SD.push_back(std::move(*thai));
        }
    }
    return SD;
}

void WriteFixedForms(std::vector<std::u16string>& SD, const SpecialPhrases& phrases)
{
    for (std::u16string& item : SD)
        if (const std::u16string* thai = phrases.ThaiFormOf(item)) item = *thai;
}

std::u16string JoinThai(const std::vector<std::u16string>& SD)
{
    std::u16string thai;
    for (const std::u16string& item : SD) thai += item == kSpaceToken ? std::u16string(u" ") : item;
    return Trim(thai);
}

} // namespace

std::u16string GetIPAToThai(const std::u16string& s, const std::filesystem::path& tableFolder)
{
    OrderedTable table;
    LoadPairTable(tableFolder / jp3File, table);
    std::vector<std::u16string> SD = LookUpTokens(s, table);
    SpecialPhrases phrases;
    LoadSpecialPhrases(tableFolder / jp4File, phrases);
    WriteFixedForms(SD, phrases);
    return JoinThai(SD);
}

} // namespace pralomen
