#include "engine/Notation.h"

#include <string_view>

#include "engine/Replace.h"

namespace pralomen {
namespace {

struct Pair {
    std::u16string_view from, to;
};

void ReplaceEach(std::u16string& s, std::initializer_list<Pair> pairs)
{
    for (const auto& p : pairs) ReplaceStr(s, p.from, p.to);
}

// Without GaFlg the ガ row turns into the カ row, except where it belongs to a velar nasal.
void DevoiceGaRow(std::u16string& s)
{
    static constexpr Pair kProtect[] = {{u"μンガ", u"μンga"}, {u"μンギ", u"μンgi"}, {u"μング", u"μンgu"},
                                        {u"μンゲ", u"μンge"}, {u"μンゴ", u"μンgo"}};
    for (const auto& p : kProtect) ReplaceStr(s, p.from, p.to);
    ReplaceStr(s, u"Φング", u"Φンgu");
    ReplaceEach(s, {{u"ガ", u"カ"}, {u"ギ", u"キ"}, {u"グ", u"ク"}, {u"ゲ", u"ケ"}, {u"ゴ", u"コ"}});
    for (const auto& p : kProtect) ReplaceStr(s, p.to, p.from);
    ReplaceStr(s, u"Φンgu", u"Φング");
}

std::u16string_view KanaForJo(int kanaDiIndex)
{
    return kanaDiIndex == 1 ? u"ジ" : kanaDiIndex == 2 ? u"チ" : u"ヂ";
}

std::u16string_view KanaForFinalW(const PralomenOptions& opt)
{
    if (opt.EndOFlg) return opt.FinalSmallFlg ? u"ォ" : u"オ";
    return opt.FinalSmallFlg ? u"ゥ" : u"ウ";
}

void DecodeFinalKana(std::u16string& s, bool small)
{
    static constexpr std::u16string_view kCodes[] = {u"Φク", u"Φト", u"Φプ", u"Φム", u"Φイ", u"Φオ", u"Φア", u"Φワ"};
    static constexpr std::u16string_view kSmall[] = {u"ㇰ", u"ㇳ", u"ㇷ゚", u"ㇺ", u"ィ", u"ォ", u"ァ", u"ヮ"};
    static constexpr std::u16string_view kFull[] = {u"ク", u"ト", u"プ", u"ム", u"イ", u"オ", u"ア", u"ワ"};
    for (std::size_t i = 0; i < std::size(kCodes); ++i) ReplaceStr(s, kCodes[i], small ? kSmall[i] : kFull[i]);
}

} // namespace

bool Has(const std::u16string& s, char16_t c) { return s.find(c) != std::u16string::npos; }

std::u16string DecodeIpa(std::u16string s, const PralomenOptions& opt)
{
    if (!Has(s, u'Φ')) return s; // every IPA code begins with Φ
    ReplaceStr(s, u"ΦY", opt.EndIFlg ? u"i" : u"y");
    ReplaceStr(s, u"ΦW", opt.EndOFlg ? u"o" : u"w");
    ReplaceStr(s, u"ΦU", opt.BarUFlg ? u"ʉ" : u"ɯ");
    ReplaceEach(s, {{u"ΦG", u"ŋ"}, {u"Φ?", u"ʔ"}, {u"ΦE", u"ɛ"}, {u"Φ:", u"ː"}, {u"ΦA", u"ə"}, {u"ΦO", u"ɔ"}});
    return s;
}

std::u16string DecodeKana(std::u16string s, const PralomenOptions& opt)
{
    if (!opt.GaFlg) DevoiceGaRow(s);
    // The codes begin with one of three markers; a text without a marker skips their replacements.
    const bool phi = Has(s, u'Φ'), mu = Has(s, u'μ');
    if (mu) ReplaceStr(s, u"μン", opt.KanaHeadNgFlg ? u"ン" : u"");
    if (phi) ReplaceStr(s, u"Φング", opt.KanaEndNgFlg ? u"ング" : u"ン");
    if (mu) ReplaceStr(s, u"μヂ", KanaForJo(opt.KanaDiIndex));
    if (phi) ReplaceStr(s, u"Φウ", KanaForFinalW(opt));
    if (phi) ReplaceEach(s, {{u"ッΦト", u"ッ"}, {u"ッΦク", u"ッ"}, {u"ッΦプ", u"ッ"}});
    const std::u16string_view longStop = opt.LongTCutFlg ? u"ー" : u"ーッ";
    if (mu) ReplaceEach(s, {{u"ーμト", longStop}, {u"ーμク", longStop}, {u"ーμプ", longStop}});
    if (phi) DecodeFinalKana(s, opt.FinalSmallFlg);
    if (Has(s, u'Λ')) ReplaceStr(s, u"Λー", opt.LengthMark2Flg ? u"ー" : u"");
    if (phi) ReplaceStr(s, u"Φツ", u"ツ");
    if (!opt.ArrowFlg) ReplaceEach(s, {{u"↘", u""}, {u"↗", u""}, {u"¯", u""}, {u"_", u""}});
    return Trim(s);
}

std::u16string DecodePat(std::u16string s, const PralomenOptions& opt)
{
    s = DecodeIpa(std::move(s), opt);
    ReplaceEach(s, {{u"◇", u"\u0E36"}, {u"◆", u"\u0E37"}, {u"♡", u"\u0E34"}, {u"♥", u"\u0E35"}, {u"♤", u"\u0E31"},
                    {u"♠", u"\u0E33"}, {u"△", u"\u0E38"}, {u"▲", u"\u0E39"}, {u"◎", u"\u0E47"}});
    return s;
}

std::u16string TotalDecode(std::u16string s)
{
    ReplaceEach(s, {{u"ˑ", u"."}, {u"ǁ", u""}, {u"‖", u"\""}, {u"ΦZ", u" "}, {u"ΦSP", u" "}});
    return s;
}

} // namespace pralomen
