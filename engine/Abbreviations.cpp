#include "engine/Abbreviations.h"

#include "engine/DataFiles.h"
#include "engine/Replace.h"

namespace pralomen {
namespace {

std::u16string ReplacementFor(const std::u16string& abbreviation, const std::u16string& expansion, bool skip)
{
    if (skip) return std::u16string(abbreviation.size(), u'⁕');
    return Replaced(u" " + expansion + u" ", u" ", u"ΦSP");
}

} // namespace

std::u16string AbbreviDecoder(Conversion& conv, const std::u16string& text)
{
    const auto table = conv.Table(abbreviationFile);
    if (!table->Exists()) return text;
    std::u16string result = text;
    for (const auto& row : table->Rows()) {
        if (row.size() < 3 || row[0] != u"1") continue;
        ReplaceStr(result, row[1], ReplacementFor(row[1], row[2], conv.opt.AbbreSkipFlg));
    }
    if (result != text && !conv.opt.AbbreSkipFlg) conv.AbbreFlg = true;
    return result;
}

} // namespace pralomen
