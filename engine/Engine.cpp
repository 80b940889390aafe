#include "engine/Engine.h"

#include "engine/Abbreviations.h"
#include "engine/CommaText.h"
#include "engine/Conversion.h"
#include "engine/Numerals.h"
#include "engine/Replace.h"
#include "engine/TextMarkers.h"
#include "engine/WordConversion.h"

namespace pralomen {
namespace {

enum class Entry { Main, Labo };

struct Prepared {
    std::u16string reference; // what the Thai output must give back
    std::u16string working;   // what the chunks are cut from
};

Prepared Normalise(Conversion& conv, const std::u16string& s1, Entry entry)
{
    Prepared p;
    p.reference = ConvertLeader(ReplaceSpaceRep(ComposeSaraAm(s1)));
    p.working = p.reference;
    const bool spaceMarkers = entry == Entry::Main && conv.opt.DoublePipeFlg;
    p.working = SpaceEncode(DoubleQuoteEncode(std::move(p.working)));
    p.working = AbbreviDecoder(conv, p.working);
    // The marker goes in after the abbreviation pass, so that an abbreviation holding a space still matches.
    if (spaceMarkers) ReplaceStr(p.working, u"ΦZ", u"ΦZǁΦZ");
    p.working = RemoveCommaInThaiNumber(p.working);
    if (conv.opt.AbbreSkipFlg) {
        p.reference = SpaceDecode(DoubleQuoteDecode(p.working));
        // The rebuilt reference must lose its markers as the check text does, or every spaced text is red.
        if (spaceMarkers) p.reference = RemoveVerticalLine(std::move(p.reference));
    }
    return p;
}

void ConvertChunk(Conversion& conv, const std::u16string& chunk, ChunkOutput& out)
{
    switch (GetType(chunk)) {
    case 1: ConvNormThai(conv, chunk, out); break;
    case 5: ConvThaiNumber3(conv, chunk, out); break;
    default: NoConv(conv, chunk, out); break;
    }
}

ChunkOutput ConvertChunks(Conversion& conv, const std::u16string& working)
{
    ChunkOutput all;
    ForEachCommaField(GetBaseThai(working, JudgeState(working)), [&](std::u16string&& chunk) {
        ChunkOutput one;
        ConvertChunk(conv, chunk, one);
        all.thai += one.thai;
        all.kana += one.kana;
        all.ipa += one.ipa;
        all.pat += u' ';
        all.pat += one.pat;
    });
    return all;
}

JudgeColor Judge(const Conversion& conv, bool matches, Entry entry)
{
    if (conv.ThaiNumberConvFlg) return JudgeColor::Cyan;
    if (conv.AbbreFlg) return entry == Entry::Main ? JudgeColor::Yellow : JudgeColor::Green;
    return matches ? JudgeColor::Blue : JudgeColor::Red;
}

ConversionResult Convert(Conversion& conv, const std::u16string& s1, Entry entry)
{
    const Prepared p = Normalise(conv, s1, entry);
    conv.LogCounter = 0;
    conv.log.Clear();
    ChunkOutput all = ConvertChunks(conv, p.working);

    ConversionResult r;
    r.allThai = DoubleQuoteDecode(std::move(all.thai));
    r.allKana = DoubleQuoteDecode(std::move(all.kana));
    r.allIPA = DoubleQuoteDecode(std::move(all.ipa));
    if (!conv.opt.LengthMarkFlg) RemoveAll(r.allIPA, u'ː');
    std::u16string check = r.allThai;
    RemoveAll(check, u' ');
    r.allThai = SpaceDecode(std::move(r.allThai));
    check = SpaceDecode(std::move(check));
    if (entry == Entry::Main && conv.opt.DoublePipeFlg) {
        r.allThai = RemoveVerticalLine(std::move(r.allThai));
        check = RemoveVerticalLine(std::move(check));
    }
    r.allThai = Trim(r.allThai);
    r.allKana = Trim(SpaceDecode(std::move(r.allKana)));
    r.allIPA = Trim(SpaceDecode(std::move(r.allIPA)));
    r.allPat = std::move(all.pat);
    r.color = Judge(conv, p.reference == check, entry);
    return r;
}

} // namespace

Engine::Engine(std::filesystem::path tableFolder) : tables_(std::move(tableFolder))
{
    InitPralomenVars(options_);
}

ConversionResult Engine::YomiConv2(const std::u16string& s1, LogPane& log)
{
    Conversion conv(options_, tables_, log);
    return Convert(conv, s1, Entry::Main);
}

ConversionResult Engine::YomiConv1(const std::u16string& s1, LogPane& log)
{
    Conversion conv(options_, tables_, log);
    return Convert(conv, s1, Entry::Labo);
}

} // namespace pralomen
