#include "engine/WordConversion.h"

#include "engine/Notation.h"
#include "engine/Phonology.h"
#include "engine/PreparationPasses.h"
#include "engine/Replace.h"
#include "engine/Segmenter.h"
#include "engine/TextMarkers.h"
#include "engine/ThaiChars.h"

namespace pralomen {
namespace {

constexpr char16_t kNo = u'ณ';
constexpr int kHighTone = 4;
constexpr char16_t kLoneConsonantGloss[] = u"～において（場所、時）";

void ConvLoneConsonant(Conversion& conv, char16_t c, ChunkOutput& out)
{
    GetSingleSound(conv.opt, c, out);
    out.pat = u"600";
    OutputLog(conv, out.ipa, out.thai, kLoneConsonantGloss);
}

} // namespace

void GetSingleSound(const PralomenOptions& opt, char16_t c, ChunkOutput& out)
{
    out.thai = std::u16string(1, c);
    out.kana.clear();
    out.ipa.clear();
    if (c != kNo) return;
    std::u16string tsp, tsk;
    GetToneSign(kHighTone, tsp, tsk);
    out.ipa = u"na" + tsp + u"Φ?";
    out.kana = GetNormalKana(u"n", u"a", u"Φ?", tsk, opt);
}

void ConvNormThai(Conversion& conv, const std::u16string& s1, ChunkOutput& out)
{
    if (s1.size() == 1 && IsConsonant(s1[0])) {
        ConvLoneConsonant(conv, s1[0], out);
    } else {
        std::u16string text = s1 + u" ";
        if (conv.opt.DoMidCutFlg) text = func_MidCut(conv, std::move(text));
        if (conv.opt.UseFilesFlg) text = func_External(conv, text);
        func_Kiru2(conv, text, out);
    }
    out.ipa = DecodeIpa(std::move(out.ipa), conv.opt);
    out.kana = DecodeKana(std::move(out.kana), conv.opt);
    for (auto* s : {&out.thai, &out.kana, &out.ipa}) {
        ReplaceStr(*s, u"ΦSP", u" ");
        *s = Trim(*s);
    }
    out.pat = Trim(out.pat);
}

void NoConv(Conversion& conv, const std::u16string& s1, ChunkOutput& out)
{
    out.thai = s1;
    if (IsInOneSpace(s1)) {
        out.kana = Replaced(s1, u"ΦZ", u"ΦZΦZΦZ");
        out.ipa = Replaced(s1, u"ΦZ", u"ΦZΦZ");
    } else {
        out.kana = s1;
        out.ipa = s1;
    }
    out.pat = u"0";
    OutputLogAscii(conv, TotalDecode(out.thai));
}

} // namespace pralomen
