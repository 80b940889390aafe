#include <set>
#include <vector>

#include "engine/DataFiles.h"
#include "jt/JapaneseToThai.h"
#include "jt/TableFiles.h"
#include "jt/Tokens.h"

namespace pralomen {
namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';

std::u16string QuestionText(const SpecialPhrase& entry, const SpecialPhrases& phrases)
{
    return u"定型語句、固有名詞データにある「" + entry.phrase + u"」がヒットしました。これは" +
           phrases.GetSpMessage(entry.marker);
}

// A phrase the user accepts is keyed ahead of every ordinary key, so it is read as its marker token.
void AskFixedPhrases(const std::u16string& s, const SpecialPhrases& phrases, PhraseQuestion& question,
                     OrderedTable& table)
{
    std::set<std::u16string> asked;
    for (const SpecialPhrase& entry : phrases.Entries()) {
        if (s.find(entry.phrase) == std::u16string::npos || !asked.insert(entry.phrase).second) continue;
        if (question.Ask(QuestionText(entry, phrases))) table.newdata3(entry.phrase, entry.marker);
    }
}

// One character, a surrogate pair counting as one.
std::size_t CharacterLength(const std::u16string& s, std::size_t pos)
{
    bool pair = pos + 1 < s.size() && s[pos] >= 0xD800 && s[pos] <= 0xDBFF && s[pos + 1] >= 0xDC00 &&
                s[pos + 1] <= 0xDFFF;
    return pair ? 2 : 1;
}

std::vector<std::u16string> ScanKana(const std::u16string& s, const OrderedTable& table)
{
    std::vector<std::u16string> SC;
    for (std::size_t pos = 0; pos < s.size();) {
        if (s[pos] == u' ' || s[pos] == kIdeographicSpace) {
            SC.emplace_back(kSpaceToken);
            ++pos;
        } else if (const TableEntry* hit = table.MatchAt(s, pos)) {
            SC.push_back(hit->value);
            // A particle keyed with the space after it keeps its reading and still ends the word.
            if (!IsMarkerToken(hit->value) && hit->key.back() == kIdeographicSpace) SC.emplace_back(kSpaceToken);
            pos += hit->key.size();
        } else {
            std::size_t length = CharacterLength(s, pos);
            SC.push_back(s.substr(pos, length));
            pos += length;
        }
    }
    return SC;
}

} // namespace

std::u16string GetKanaToRome(const std::u16string& s, const std::filesystem::path& tableFolder,
                             PhraseQuestion& question)
{
    OrderedTable table;
    LoadPairTable(tableFolder / jp1File, table);
    SpecialPhrases phrases;
    LoadSpecialPhrases(tableFolder / jp4File, phrases);
    AskFixedPhrases(s, phrases, question, table);
    return JoinWithBlanks(ScanKana(s, table));
}

std::u16string GetSpMessage(const std::u16string& marker, const std::filesystem::path& tableFolder)
{
    SpecialPhrases phrases;
    LoadSpecialPhrases(tableFolder / jp4File, phrases);
    return phrases.GetSpMessage(marker);
}

} // namespace pralomen
