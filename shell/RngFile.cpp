#include "shell/RngFile.h"

#include <charconv>
#include <climits>
#include <system_error>

#include "engine/CommaText.h"
#include "engine/TextFile.h"
#include "engine/Utf.h"
#include "shell/DurableFile.h"
#include "shell/PathText.h"

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;

// The values a setting is written with as it is; any other is written as Otherwise.
struct WrittenRange {
    int Lowest;
    int Highest;
    int Otherwise;
};

constexpr WrittenRange kAnyValue{INT_MIN, INT_MAX, 0};
constexpr WrittenRange kPositive{1, INT_MAX, -1};
constexpr WrittenRange FontRange(int base) { return {base, base + kFontSteps, base}; }

// One setting: its key and the one variable it feeds, in the window's settings or the engine's options.
struct RngRow {
    std::string_view Key;
    int WindowSettings::*WindowNumber = nullptr;
    bool WindowSettings::*WindowFlag = nullptr;
    int PralomenOptions::*OptionNumber = nullptr;
    bool PralomenOptions::*OptionFlag = nullptr;
    WrittenRange Written = kAnyValue;
};

constexpr RngRow WindowNumber(std::string_view key, int WindowSettings::*m, WrittenRange written)
{
    return {key, m, nullptr, nullptr, nullptr, written};
}
constexpr RngRow WindowFlag(std::string_view key, bool WindowSettings::*m) { return {key, nullptr, m}; }
constexpr RngRow OptionNumber(std::string_view key, int PralomenOptions::*m) { return {key, nullptr, nullptr, m}; }
constexpr RngRow OptionFlag(std::string_view key, bool PralomenOptions::*m)
{
    return {key, nullptr, nullptr, nullptr, m};
}

using W = WindowSettings;
using O = PralomenOptions;

// File order, which is also the order of reading and writing.
constexpr RngRow kRngRows[] = {
    WindowNumber("MainFrmWidth2", &W::MainFrmWidth2, kPositive),
    WindowNumber("MainFrmHeight2", &W::MainFrmHeight2, kPositive),
    WindowNumber("MainFrmLeft2", &W::MainFrmLeft2, kPositive),
    WindowNumber("MainFrmTop2", &W::MainFrmTop2, kPositive),
    WindowFlag("HalfWidthFlg", &W::HalfWidthFlg),
    WindowNumber("Panel3Height", &W::Panel3Height, kPositive),
    WindowNumber("Panel5Height", &W::Panel5Height, kPositive),
    WindowNumber("Panel7Width", &W::Panel7Width, kPositive),
    WindowNumber("m1FontSize", &W::m1FontSize, FontRange(kThaiFontBase)),
    WindowNumber("m2FontSize", &W::m2FontSize, FontRange(kKanaFontBase)),
    WindowNumber("m3FontSize", &W::m3FontSize, FontRange(kIpaFontBase)),
    OptionNumber("KanaDiIndex", &O::KanaDiIndex),
    WindowFlag("KanaBookFlg", &W::KanaBookFlg),
    OptionFlag("DoublePipeFlg", &O::DoublePipeFlg),
    OptionFlag("BarUFlg", &O::BarUFlg),
    OptionFlag("EndOFlg", &O::EndOFlg),
    OptionFlag("EndIFlg", &O::EndIFlg),
    OptionFlag("LengthMarkFlg", &O::LengthMarkFlg),
    OptionFlag("LengthMark2Flg", &O::LengthMark2Flg),
    OptionFlag("KanaHeadNgFlg", &O::KanaHeadNgFlg),
    OptionFlag("KanaEndNgFlg", &O::KanaEndNgFlg),
    OptionFlag("LongTCutFlg", &O::LongTCutFlg),
    OptionFlag("GaFlg", &O::GaFlg),
    OptionFlag("SiFlg", &O::SiFlg),
    OptionFlag("ArrowFlg", &O::ArrowFlg),
    OptionFlag("AddNakaTenFlg", &O::AddNakaTenFlg),
    OptionFlag("AddMidDotFlg", &O::AddMidDotFlg),
    OptionFlag("AO_Flg", &O::AO_flg),
    OptionFlag("DoPreCutFlg", &O::DoPreCutFlg),
    OptionFlag("DoSeqConsFlg", &O::DoSeqConsFlg),
    OptionFlag("DoExtractFlg", &O::DoExtractFlg),
    OptionFlag("DoMidCutFlg", &O::DoMidCutFlg),
    OptionFlag("UseFilesFlg", &O::UseFilesFlg),
    OptionFlag("AbbreSkipFlg", &O::AbbreSkipFlg),
    OptionFlag("ShortPlainFlg", &O::ShortPlainFlg),
    OptionFlag("FinalSmallFlg", &O::FinalSmallFlg),
};

int* NumberOf(const RngRow& row, W& window, O& options)
{
    if (row.WindowNumber) return &(window.*row.WindowNumber);
    if (row.OptionNumber) return &(options.*row.OptionNumber);
    return nullptr;
}

bool* FlagOf(const RngRow& row, W& window, O& options)
{
    return row.WindowFlag ? &(window.*row.WindowFlag) : &(options.*row.OptionFlag);
}

// Decimal digits with an optional minus sign, within the range of an int.
std::optional<int> ParseInteger(std::u16string_view text)
{
    std::string ascii;
    for (char16_t c : text) {
        if (c > 127) return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    int value = 0;
    auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
    return value;
}

// The program writes ASCII; a file edited by hand may hold UTF-8 or UTF-16, and bytes that are
// neither are taken one character each, so that any value can still be shown in a message.
std::vector<std::u16string> DecodeRngText(std::string_view bytes)
{
    bool marked = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xEF\xBB\xBF");
    if (marked || FirstInvalidUtf8(bytes) == std::string_view::npos) return DecodeTextLines(bytes);
    std::u16string text;
    for (char c : bytes) text.push_back(static_cast<unsigned char>(c));
    return SplitLines(text);
}

std::u16string NotAnInteger(std::u16string_view value)
{
    std::u16string message = u"'";
    message += value;
    message += u"' は整数ではありません";
    return message;
}

std::string WrittenNumber(int value, WrittenRange range)
{
    return std::to_string(value >= range.Lowest && value <= range.Highest ? value : range.Otherwise);
}

} // namespace

std::u16string GetRngInfo(const std::vector<std::u16string>& list, std::u16string_view key)
{
    for (const std::u16string& line : list) {
        std::vector<std::u16string> fields = SplitCommaText(line);
        if (fields.size() == 2 && fields[0] == key) return fields[1];
    }
    return {};
}

std::vector<std::u16string> ReadRngFile(const fs::path& sysFolder, W& window, O& options)
{
    const fs::path file = sysFolder / kRngFileName;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return {};
    std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes) return {};
    const std::vector<std::u16string> lines = DecodeRngText(*bytes);
    std::vector<std::u16string> messages;
    for (const RngRow& row : kRngRows) {
        const std::u16string value = GetRngInfo(lines, Utf8ToUtf16(row.Key));
        if (int* number = NumberOf(row, window, options)) {
            if (value.empty()) continue;
            if (std::optional<int> parsed = ParseInteger(value)) *number = *parsed;
            else messages.push_back(NotAnInteger(value));
        } else {
            *FlagOf(row, window, options) = value == u"True";
        }
    }
    return messages;
}

std::vector<std::string> RngLines(W window, O options)
{
    std::vector<std::string> lines;
    for (const RngRow& row : kRngRows) {
        const int* number = NumberOf(row, window, options);
        std::string value = number ? WrittenNumber(*number, row.Written)
                                   : (*FlagOf(row, window, options) ? "True" : "False");
        lines.push_back(std::string(row.Key) + "," + value);
    }
    return lines;
}

std::optional<std::u16string> WriteRngFile(const fs::path& sysFolder, const W& window, const O& options)
{
    std::string text;
    for (const std::string& line : RngLines(window, options)) text += line + "\r\n";
    const fs::path file = sysFolder / kRngFileName;
    if (ReplaceFileContents(file, text)) return std::nullopt;
    return u"設定ファイル「" + PathText(file) + u"」を保存できませんでした。";
}

} // namespace pralomen::shell
