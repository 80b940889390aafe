#include "engine/Segmenter.h"

#include <array>

#include "engine/DataFiles.h"
#include "engine/Dictionaries.h"
#include "engine/Glossary.h"
#include "engine/Notation.h"
#include "engine/Replace.h"
#include "engine/SyllableReader.h"
#include "engine/ThaiChars.h"
#include "engine/Utf.h"

namespace pralomen {
namespace {

std::shared_ptr<const Dictionaries> DictionariesFor(Conversion& conv)
{
    std::vector<TablePtr> tables;
    for (const char* file : SegmenterFiles())
        tables.push_back(file == std::string_view(extractFile) && !conv.opt.DoExtractFlg ? nullptr : conv.Table(file));
    const bool withExtract = conv.opt.DoExtractFlg;
    return conv.tables.Combined<Dictionaries>(
        tables, [withExtract](const std::vector<TablePtr>& t) { return Dictionaries(t, withExtract); });
}

std::u16string JoinKanaUnit(const PralomenOptions& opt, std::u16string kana)
{
    if (!opt.SiFlg) ReplaceStr(kana, u"スィ", u"シ");
    if (opt.AddNakaTenFlg) return kana;
    if (opt.KanaEndNgFlg) {
        static constexpr std::array<std::u16string_view, 5> kNgBeforeDot = {u"ング_・", u"ング↘・", u"ング↗・",
                                                                           u"ング¯・", u"ング・"};
        for (auto from : kNgBeforeDot) {
            std::u16string to(from.substr(0, from.size() - 1));
            ReplaceStr(kana, from, to + u" ");
        }
    }
    RemoveAll(kana, u'・');
    return kana;
}

// The first consonant at or after a position that only moves forward, found in one pass over the chunk.
class NextConsonant {
public:
    explicit NextConsonant(const std::u16string& s1) : s1_(s1) {}
    char16_t AtOrAfter(int dn)
    {
        if (dn - 1 > found_) {
            const char16_t c = SearchCons(s1_, dn);
            found_ = c == u'\0' ? static_cast<int>(s1_.size()) : static_cast<int>(s1_.find(c, dn - 1));
        }
        return found_ < static_cast<int>(s1_.size()) ? s1_[found_] : u'\0';
    }

private:
    const std::u16string& s1_;
    int found_ = -1; // 0-based index of the consonant last found
};

void AppendJoined(std::u16string& to, const std::u16string& piece, std::u16string_view separator)
{
    if (!to.empty()) to += separator;
    to += piece;
}

} // namespace

void addWord(const PralomenOptions& opt, const Unit& unit, const std::u16string& spat, ChunkOutput& out)
{
    std::u16string ipa = unit.sipa;
    if (!opt.AddMidDotFlg) RemoveAll(ipa, u'·');
    AppendJoined(out.ipa, ipa, u" ");
    AppendJoined(out.kana, JoinKanaUnit(opt, unit.skana), opt.AddNakaTenFlg ? u"・" : u" ");
    AppendJoined(out.thai, unit.sthai, u" ");
    AppendJoined(out.pat, spat, u" ");
}

void OutputLog(Conversion& conv, const std::u16string& sipa, const std::u16string& sthai, const std::u16string& sjpn)
{
    if (sipa.empty() || sjpn.empty()) return;
    std::u16string line = Decimal(++conv.LogCounter) + u":" + DecodeIpa(sipa, conv.opt) + u" " + sjpn;
    if (conv.opt.AddThaiFlg) line += u"   " + sthai;
    conv.log.Append(line);
}

void OutputLogAscii(Conversion& conv, const std::u16string& sthai)
{
    const std::u16string text = Trim(sthai);
    if (text.empty()) return;
    conv.log.Append(Decimal(++conv.LogCounter) + u":" + text);
}

void func_Kiru2(Conversion& conv, const std::u16string& s1, ChunkOutput& out)
{
    out = {};
    const auto glossTable = conv.Table(lastWordFile);
    const int nn = static_cast<int>(s1.size());
    NextConsonant c2(s1);
    if (conv.opt.UseFilesFlg && !conv.dictionaries) conv.dictionaries = DictionariesFor(conv);
    const Dictionaries* dictionaries = conv.opt.UseFilesFlg ? conv.dictionaries.get() : nullptr;
    for (int dn = 1; dn <= nn;) {
        Unit u;
        if (dictionaries && dictionaries->LookUp(s1, dn, c2.AtOrAfter(dn), u)) {
            OutputLog(conv, u.sipa, u.sthai, u.sjpn);
        } else if (ReadSyllableAt(s1, dn, conv.opt, u)) {
            if (u.rule != kSignRule) OutputLog(conv, u.sipa, u.sthai, GetJapanese(*glossTable, u.sthai));
        } else {
            ++dn; // no source takes this character: it is dropped
            continue;
        }
        addWord(conv.opt, u, Decimal(u.rule), out);
        dn += u.cnt;
    }
}

} // namespace pralomen
