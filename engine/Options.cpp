#include "engine/Options.h"

#include <charconv>

namespace pralomen {

void InitPralomenVarsCore(PralomenOptions& o)
{
    o.UseFilesFlg = true;
    o.DoublePipeFlg = true;
    o.LengthMarkFlg = true;
    o.AddMidDotFlg = true;
    o.BarUFlg = false;
    o.EndOFlg = false;
    o.EndIFlg = false;
    o.LengthMark2Flg = true;
    o.AddNakaTenFlg = false;
    o.ArrowFlg = false;
    o.KanaDiIndex = 0;
    o.KanaHeadNgFlg = true;
    o.KanaEndNgFlg = true;
    o.LongTCutFlg = true;
    o.GaFlg = true;
    o.SiFlg = true;
}

void InitPralomenVarsBook(PralomenOptions& o)
{
    o.UseFilesFlg = true;
    o.LengthMarkFlg = false;
    o.AddMidDotFlg = true;
    o.BarUFlg = false;
    o.EndOFlg = true;
    o.EndIFlg = true;
    o.LengthMark2Flg = false;
    o.AddNakaTenFlg = false;
    o.ArrowFlg = false;
    o.KanaDiIndex = 2;
    o.KanaHeadNgFlg = false;
    o.KanaEndNgFlg = false;
    o.LongTCutFlg = true;
    o.GaFlg = false;
    o.SiFlg = false;
}

void InitPralomenVars(PralomenOptions& o)
{
    o.PatNum = -10;
    InitPralomenVarsCore(o);
    o.ShortPlainFlg = false;
    o.FinalSmallFlg = false;
    o.DoPreCutFlg = true;
    o.DoSeqConsFlg = false;
    o.DoExtractFlg = true;
    o.DoMidCutFlg = true;
    o.AbbreSkipFlg = false;
    o.AddThaiFlg = true;
    o.AO_flg = true;
}

const std::vector<OptionField>& OptionFields()
{
    using P = PralomenOptions;
    static const std::vector<OptionField> fields = {
        {"UseFilesFlg", &P::UseFilesFlg},     {"DoMidCutFlg", &P::DoMidCutFlg},
        {"DoExtractFlg", &P::DoExtractFlg},   {"AbbreSkipFlg", &P::AbbreSkipFlg},
        {"DoublePipeFlg", &P::DoublePipeFlg}, {"LengthMarkFlg", &P::LengthMarkFlg},
        {"LengthMark2Flg", &P::LengthMark2Flg}, {"AddMidDotFlg", &P::AddMidDotFlg},
        {"AddNakaTenFlg", &P::AddNakaTenFlg}, {"ArrowFlg", &P::ArrowFlg},
        {"KanaDiIndex", nullptr, &P::KanaDiIndex}, {"KanaHeadNgFlg", &P::KanaHeadNgFlg},
        {"KanaEndNgFlg", &P::KanaEndNgFlg},   {"GaFlg", &P::GaFlg},
        {"SiFlg", &P::SiFlg},                 {"BarUFlg", &P::BarUFlg},
        {"EndOFlg", &P::EndOFlg},             {"EndIFlg", &P::EndIFlg},
        {"LongTCutFlg", &P::LongTCutFlg},     {"FinalSmallFlg", &P::FinalSmallFlg},
        {"ShortPlainFlg", &P::ShortPlainFlg}, {"AddThaiFlg", &P::AddThaiFlg},
        {"DoPreCutFlg", &P::DoPreCutFlg},     {"DoSeqConsFlg", &P::DoSeqConsFlg},
        {"PatNum", nullptr, &P::PatNum},      {"AO_flg", &P::AO_flg},
    };
    return fields;
}

const OptionField* FindOption(std::string_view name)
{
    for (const auto& f : OptionFields())
        if (f.name == name) return &f;
    return nullptr;
}

bool SetOptionByName(PralomenOptions& o, std::string_view name, std::string_view value, std::string& error)
{
    const OptionField* f = FindOption(name);
    if (!f) {
        error = "unknown option name '" + std::string(name) + "'";
        return false;
    }
    if (f->flag) {
        if (value != "True" && value != "False") {
            error = "option " + std::string(name) + " takes True or False, not '" + std::string(value) + "'";
            return false;
        }
        o.*(f->flag) = value == "True";
        return true;
    }
    int n = 0;
    const char* end = value.data() + value.size();
    auto [ptr, ec] = std::from_chars(value.data(), end, n);
    if (value.empty() || ec != std::errc() || ptr != end) {
        error = "option " + std::string(name) + " takes a decimal integer, not '" + std::string(value) + "'";
        return false;
    }
    o.*(f->number) = n;
    return true;
}

} // namespace pralomen
