// Katakana of one syllable with a simple vowel, in the internal notation.
#include <array>
#include <optional>
#include <string_view>

#include "engine/Phonology.h"
#include "engine/ThaiChars.h"

namespace pralomen {
namespace {

enum Column : int { ColA, ColI, ColU, ColE, ColO };

struct VowelColumn {
    std::u16string_view vowel;
    Column column;
};

// The eighteen simple vowels; a doubled vowel is the long one of its column.
constexpr std::array<VowelColumn, 18> kVowels{{
    {u"a", ColA},   {u"aa", ColA},         {u"i", ColI},  {u"ii", ColI},
    {u"u", ColU},   {u"uu", ColU},         {u"ΦU", ColU}, {u"ΦUΦU", ColU},
    {u"ΦA", ColU},  {u"ΦAΦA", ColU},       {u"e", ColE},  {u"ee", ColE},
    {u"ΦE", ColE},  {u"ΦEΦE", ColE},       {u"o", ColO},  {u"oo", ColO},
    {u"ΦO", ColO},  {u"ΦOΦO", ColO},
}};

struct OnsetRow {
    std::u16string_view onsets; // the hcons strings sharing this row, separated by spaces
    std::array<std::u16string_view, 5> shortForm; // a i u e o
};

constexpr std::array<OnsetRow, 24> kOnsetRows{{
    {u"k", {u"ガ", u"ギ", u"グ", u"ゲ", u"ゴ"}},
    {u"kh", {u"カ", u"キ", u"ク", u"ケ", u"コ"}},
    {u"ΦG", {u"μンガ", u"μンギ", u"μング", u"μンゲ", u"μンゴ"}},
    {u"c", {u"μヂャ", u"μヂ", u"μヂュ", u"μヂェ", u"μヂョ"}},
    {u"ch", {u"チャ", u"チ", u"チュ", u"チェ", u"チョ"}},
    {u"s", {u"サ", u"シ", u"ス", u"セ", u"ソ"}},
    {u"y", {u"ヤ", u"イ", u"ユ", u"イェ", u"ヨ"}},
    {u"d", {u"ダ", u"ディ", u"ドゥ", u"デ", u"ド"}},
    {u"t th", {u"タ", u"ティ", u"トゥ", u"テ", u"ト"}},
    {u"n", {u"ナ", u"ニ", u"ヌ", u"ネ", u"ノ"}},
    {u"b", {u"バ", u"ビ", u"ブ", u"ベ", u"ボ"}},
    {u"p ph", {u"パ", u"ピ", u"プ", u"ペ", u"ポ"}},
    {u"f", {u"ファ", u"フィ", u"フ", u"フェ", u"フォ"}},
    {u"m", {u"マ", u"ミ", u"ム", u"メ", u"モ"}},
    {u"r l", {u"ラ", u"リ", u"ル", u"レ", u"ロ"}},
    {u"w", {u"ワ", u"ウィ", u"ウ", u"ウェ", u"ウォ"}},
    {u"h", {u"ハ", u"ヒ", u"フ", u"ヘ", u"ホ"}},
    {u"Φ?", {u"ア", u"イ", u"ウ", u"エ", u"オ"}},
    {u"kr kl", {u"グラ", u"グリ", u"グル", u"グレ", u"グロ"}},
    {u"khr khl", {u"クラ", u"クリ", u"クル", u"クレ", u"クロ"}},
    {u"tr", {u"トゥラ", u"トゥリ", u"トゥル", u"トゥレ", u"トゥロ"}},
    {u"pr pl phr phl", {u"プラ", u"プリ", u"プル", u"プレ", u"プロ"}},
    {u"kw", {u"グワ", u"グウィ", u"グウ", u"グウェ", u"グウォ"}},
    {u"khw", {u"クワ", u"クウィ", u"クウ", u"クウェ", u"クウォ"}},
}};

// With SiFlg the s row's i column is written スィ, closer to the Thai sound than シ.
constexpr std::u16string_view kSiWithFlag = u"スィ";

struct FinalKana {
    std::u16string_view econs;
    std::u16string_view afterLong;
    std::u16string_view afterShort;
};

constexpr std::array<FinalKana, 10> kFinals{{
    {u"k", u"ク", u"ック"},      {u"t", u"ト", u"ット"},    {u"p", u"プ", u"ップ"},
    {u"ΦG", u"Φング", u"Φング"}, {u"n", u"ン", u"ン"},      {u"m", u"Φム", u"Φム"},
    {u"ΦY", u"Φイ", u"Φイ"},     {u"ΦW", u"Φウ", u"Φウ"},   {u"u", u"ウ", u"ウ"},
    {u"Φ?", u"ッ", u"ッ"},
}};

bool RowHasOnset(std::u16string_view onsets, std::u16string_view hcons)
{
    while (!onsets.empty()) {
        const auto space = onsets.find(u' ');
        if (onsets.substr(0, space) == hcons) return true;
        if (space == std::u16string_view::npos) break;
        onsets.remove_prefix(space + 1);
    }
    return false;
}

const OnsetRow* FindOnsetRow(std::u16string_view hcons)
{
    for (const auto& row : kOnsetRows)
        if (RowHasOnset(row.onsets, hcons)) return &row;
    return nullptr;
}

std::optional<Column> FindColumn(std::u16string_view vowel)
{
    for (const auto& v : kVowels)
        if (v.vowel == vowel) return v.column;
    return std::nullopt;
}

std::u16string OnsetAndVowel(std::u16string_view hcons, std::u16string_view vowel, const PralomenOptions& opt)
{
    const OnsetRow* row = FindOnsetRow(hcons);
    if (!row) return {};
    const auto column = FindColumn(vowel);
    // A vowel no caller should pass stays visible instead of vanishing from the reading.
    if (!column) return std::u16string(hcons) + u"*";
    std::u16string kana(*column == ColI && hcons == u"s" && opt.SiFlg ? kSiWithFlag : row->shortForm[*column]);
    if (IsLongVowel(vowel)) kana += u"ー";
    return kana;
}

std::u16string FinalPart(std::u16string_view econs, bool longVowel)
{
    for (const auto& f : kFinals)
        if (f.econs == econs) return std::u16string(longVowel ? f.afterLong : f.afterShort);
    return {};
}

} // namespace

std::u16string GetNormalKana(std::u16string_view hcons, std::u16string_view vowel, std::u16string_view econs,
                             std::u16string_view tone, const PralomenOptions& opt)
{
    return OnsetAndVowel(hcons, vowel, opt) + FinalPart(econs, IsLongVowel(vowel)) + std::u16string(tone);
}

} // namespace pralomen
