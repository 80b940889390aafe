#include "engine/Numerals.h"

#include <array>

#include "engine/Notation.h"
#include "engine/Replace.h"
#include "engine/Segmenter.h"
#include "engine/ThaiChars.h"

namespace pralomen {
namespace {

const std::array<NumberWord, 10> kDigits = {{
    {u"ศูนย์", u"スーン↗", u"su\u030Cun"},
    {u"หนึ่ง", u"ヌΦング_", u"nΦU\u0300ŋ"},
    {u"สอง", u"ソーΦング↗", u"sɔ\u030Cɔŋ"},
    {u"สาม", u"サーΦム↗", u"sa\u030Cam"},
    {u"สี่", u"スィー_", u"si\u0300i"},
    {u"ห้า", u"ハー↘", u"ha\u0302a"},
    {u"หก", u"ホック_", u"ho\u0300k"},
    {u"เจ็ด", u"μヂェット_", u"ce\u0300t"},
    {u"แปด", u"ペート_", u"pɛ\u0300ɛt"},
    {u"เก้า", u"ガΦウ↘", u"ka\u0302ΦW"},
}};
const NumberWord kUnitOne = {u"เอ็ด", u"エット_", u"ʔe\u0300t"};
const NumberWord kTensTwo = {u"ยี่", u"イー↘", u"yi\u0302i"};
const NumberWord kTen = {u"สิบ", u"スィップ_", u"si\u0300p"};

// Place words from the hundreds (place 3) to the millions (place 7).
const std::array<NumberWord, 5> kPlaces = {{
    {u"ร้อย", u"ローΦイ¯", u"rɔ\u0301ɔΦY"},
    {u"พัน", u"パン", u"phan"},
    {u"หมื่น", u"ムーン_", u"mΦU\u0300ΦUn"},
    {u"แสน", u"セーン↗", u"sɛ\u030Cɛn"},
    {u"ล้าน", u"ラーン¯", u"la\u0301an"},
}};

constexpr char16_t kZero = u'๐';
constexpr std::size_t kMaxPlaceDigits = 7;

void Append(ChunkOutput& out, const NumberWord& w)
{
    out.thai += w.thai;
    out.kana += w.kana;
    out.ipa += w.ipa;
}

void AppendDigitAtPlace(ChunkOutput& out, char16_t d, std::size_t place, char16_t previous)
{
    if (d == kZero) return;
    if (place == 1) {
        Append(out, previous == kZero ? GetThaiBaseNumber(d) : GetThaiSecondNumber(d));
    } else if (place == 2) {
        const NumberWord tens = GetThaiThirdNumber(d);
        if (!tens.thai.empty()) Append(out, {tens.thai, tens.kana + u"・", tens.ipa + u"·"});
        Append(out, {kTen.thai, kTen.kana + u"・", kTen.ipa + u"·"});
    } else {
        const NumberWord base = GetThaiBaseNumber(d);
        const NumberWord& word = kPlaces[place - 3];
        Append(out, {base.thai + word.thai + u" ", base.kana + u"・" + word.kana + u" ",
                     base.ipa + u"·" + word.ipa + u" "});
    }
}

void DropTrailing(std::u16string& s, char16_t c)
{
    if (!s.empty() && s.back() == c) s.pop_back();
}

std::u16string Framed(const std::u16string& s) { return u" " + s + u" "; }

} // namespace

NumberWord GetThaiBaseNumber(char16_t c)
{
    return IsThaiNumber(c) ? kDigits[c - kZero] : NumberWord{};
}

NumberWord GetThaiSecondNumber(char16_t c)
{
    return c == u'๑' ? kUnitOne : GetThaiBaseNumber(c);
}

NumberWord GetThaiThirdNumber(char16_t c)
{
    if (c == u'๑') return {};
    return c == u'๒' ? kTensTwo : GetThaiBaseNumber(c);
}

std::u16string GetThaiNumberStrings(const std::u16string& s1)
{
    std::u16string arabic;
    for (char16_t c : s1)
        if (IsThaiNumber(c)) arabic.push_back(static_cast<char16_t>(u'0' + (c - kZero)));
    return arabic;
}

void ConvThaiBaraNumber(const std::u16string& s1, ChunkOutput& out)
{
    out = {};
    for (char16_t c : s1) {
        const NumberWord w = GetThaiBaseNumber(c);
        Append(out, {w.thai + u" ", w.kana + u" ", w.ipa + u" "});
    }
    out.thai = Trim(out.thai);
    out.kana = Trim(out.kana);
    out.ipa = Trim(out.ipa);
    out.pat = u"800";
}

void ConvThaiNumber3(Conversion& conv, const std::u16string& s1, ChunkOutput& out)
{
    out = {};
    const std::u16string arabic = GetThaiNumberStrings(s1);
    if (s1.size() == 1) {
        Append(out, GetThaiBaseNumber(s1[0]));
    } else if (s1.size() > kMaxPlaceDigits) {
        ConvThaiBaraNumber(s1, out);
    } else {
        char16_t previous = u'\0';
        for (std::size_t i = 0; i < s1.size(); ++i) {
            AppendDigitAtPlace(out, s1[i], s1.size() - i, previous);
            previous = s1[i];
        }
        DropTrailing(out.ipa, u'·');
        DropTrailing(out.kana, u'・');
    }
    out.thai = Trim(out.thai);
    // The numeral's kana never passes the unit joining, so the ス/シ choice is made here.
    if (!conv.opt.SiFlg) ReplaceStr(out.kana, u"スィ", u"シ");
    out.ipa = Framed(DecodeIpa(out.ipa, conv.opt));
    out.kana = Framed(DecodeKana(out.kana, conv.opt));
    out.pat = u"800";
    OutputLog(conv, s1, out.thai, Framed(arabic));
    conv.ThaiNumberConvFlg = true;
}

} // namespace pralomen
