#include "cli/Kana2Thai.h"

#include <istream>
#include <optional>
#include <ostream>

#include "cli/InputText.h"
#include "engine/DataFiles.h"
#include "engine/Utf.h"
#include "jt/JapaneseToThai.h"

namespace pralomen {
namespace {

struct Kana2ThaiRequest {
    bool answer = false;
    bool AO_flg = true;
    std::vector<std::string> words;
};

class ScriptedAnswer : public PhraseQuestion {
public:
    ScriptedAnswer(bool answer, std::ostream& err) : answer_(answer), err_(err) {}
    bool Ask(const std::u16string& message) override
    {
        err_ << Utf16ToUtf8(message) << ' ' << (answer_ ? "yes" : "no") << '\n';
        return answer_;
    }

private:
    bool answer_;
    std::ostream& err_;
};

// A word after "--" is text even when it starts with "-".
std::optional<Kana2ThaiRequest> ParseArgs(const std::vector<std::string>& args, std::ostream& err)
{
    Kana2ThaiRequest request;
    bool flagsEnded = false;
    for (const std::string& arg : args) {
        if (flagsEnded || arg.empty() || arg[0] != '-') {
            request.words.push_back(arg);
        } else if (arg == "--") {
            flagsEnded = true;
        } else if (arg == "--yes" || arg == "--no") {
            request.answer = arg == "--yes";
        } else if (arg == "--no-long") {
            request.AO_flg = false;
        } else {
            err << "kana2thai: unknown option " << arg << " (use --yes, --no, --no-long)\n";
            return std::nullopt;
        }
    }
    return request;
}

void Convert(const std::string& kana, std::size_t lineNumber, const Kana2ThaiRequest& request, std::ostream& out,
             std::ostream& err, const std::filesystem::path& tableFolder)
{
    ScriptedAnswer question(request.answer, err);
    std::u16string rome = GetKanaToRome(cli::DecodeInputLine(kana, lineNumber, "kana2thai", err), tableFolder, question);
    std::u16string ipa = GetRomeToIPA(rome, tableFolder, request.AO_flg);
    std::u16string thai = GetIPAToThai(ipa, tableFolder);
    out << Utf16ToUtf8(rome) << '\n' << Utf16ToUtf8(ipa) << '\n' << Utf16ToUtf8(thai) << '\n';
}

std::string JoinWords(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& w : words) text += (text.empty() ? "" : " ") + w;
    return text;
}

} // namespace

int RunKana2Thai(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                 const std::filesystem::path& tableFolder)
{
    std::optional<Kana2ThaiRequest> request = ParseArgs(args, err);
    if (!request) return 2;
    // In a script, silently empty output would pass for a conversion.
    if (!std::filesystem::is_regular_file(tableFolder / jp1File)) {
        err << "kana2thai: no " << jp1File << " in the table folder \"" << tableFolder.string() << "\"\n";
        return 1;
    }
    if (!request->words.empty()) {
        Convert(JoinWords(request->words), 1, *request, out, err, tableFolder);
        return 0;
    }
    // An empty line, like an empty field in the window, is not converted.
    std::size_t lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) Convert(line, lineNumber, *request, out, err, tableFolder);
    }
    return 0;
}

} // namespace pralomen
