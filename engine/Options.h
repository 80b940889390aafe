// The options that steer one conversion, with their start-up values and the two presets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pralomen {

struct PralomenOptions {
    bool UseFilesFlg = true;
    bool DoMidCutFlg = true;
    bool DoExtractFlg = true;
    bool AbbreSkipFlg = false;
    bool DoublePipeFlg = true;
    bool LengthMarkFlg = true;
    bool LengthMark2Flg = true;
    bool AddMidDotFlg = true;
    bool AddNakaTenFlg = false;
    bool ArrowFlg = false;
    int KanaDiIndex = 0;
    bool KanaHeadNgFlg = true;
    bool KanaEndNgFlg = true;
    bool GaFlg = true;
    bool SiFlg = true;
    bool BarUFlg = false;
    bool EndOFlg = false;
    bool EndIFlg = false;
    bool LongTCutFlg = true;
    bool FinalSmallFlg = false;
    bool ShortPlainFlg = false;
    bool AddThaiFlg = true;
    bool DoPreCutFlg = true;
    bool DoSeqConsFlg = false;
    int PatNum = -10;
    // Long a and o inside words in the Japanese-to-Thai tool.
    bool AO_flg = true;
};

// The pronunciation preset ("発音重視の設定").
void InitPralomenVarsCore(PralomenOptions& o);
// The notation preset ("表記重視の設定"); leaves DoublePipeFlg alone.
void InitPralomenVarsBook(PralomenOptions& o);
// Every start-up value, as the main window sets them once when it is built.
void InitPralomenVars(PralomenOptions& o);

// One option reachable by its name, for the settings file and the command line.
struct OptionField {
    std::string_view name;
    bool PralomenOptions::*flag = nullptr;  // set for a Boolean option
    int PralomenOptions::*number = nullptr; // set for an integer option
};

// Every option of PralomenOptions by name (the variable names; AO_flg as "AO_flg").
const std::vector<OptionField>& OptionFields();
const OptionField* FindOption(std::string_view name);

// Sets one option from text: Booleans "True"/"False", integers in decimal.
// Returns false and leaves the option alone when the name or the value is not valid.
bool SetOptionByName(PralomenOptions& o, std::string_view name, std::string_view value, std::string& error);

} // namespace pralomen
