#include "cli/CliOptions.h"

namespace pralomen::cli {

const char kUsage[] =
    "usage: pralomen-cli [--labo] [--tables DIR] [--preset core|book] [--set NAME=VALUE]... [--json] [TEXT]...\n"
    "       pralomen-cli kana2thai [--yes|--no] [--no-long] [TEXT]...\n"
    "Converts Thai text into a katakana reading and an IPA transcription.\n"
    "Each TEXT is one conversion; without TEXT each line of standard input is one.\n"
    "  --labo            convert as the Labo window does\n"
    "  --tables DIR      the folder of the dictionary files\n"
    "  --preset NAME     core (pronunciation) or book (notation) kana\n"
    "  --set NAME=VALUE  set one option (True/False or a decimal integer), in order\n"
    "  --json            one JSON object per conversion: thai, kana, ipa, pattern, color, log\n"
    "  --help, --version\n"
    "Invalid UTF-8 in the input is replaced by U+FFFD, with a warning naming the byte offset.\n";

namespace {

bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value, std::string& error)
{
    if (i + 1 >= args.size()) {
        error = "option " + args[i] + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool ApplyPreset(PralomenOptions& o, const std::string& name, std::string& error)
{
    if (name == "core") InitPralomenVarsCore(o);
    else if (name == "book") InitPralomenVarsBook(o);
    else {
        error = "unknown preset '" + name + "' (core or book)";
        return false;
    }
    return true;
}

bool ApplySet(PralomenOptions& o, const std::string& assignment, std::string& error)
{
    const auto eq = assignment.find('=');
    if (eq == std::string::npos) {
        error = "--set takes NAME=VALUE, not '" + assignment + "'";
        return false;
    }
    return SetOptionByName(o, assignment.substr(0, eq), assignment.substr(eq + 1), error);
}

} // namespace

std::optional<CliRequest> ParseCommandLine(const std::vector<std::string>& args, std::string& error)
{
    CliRequest r;
    bool onlyTexts = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string value;
        if (onlyTexts || a.empty() || a[0] != '-' || a == "-") r.texts.push_back(a);
        else if (a == "--") onlyTexts = true;
        else if (a == "--labo") r.labo = true;
        else if (a == "--json") r.json = true;
        else if (a == "--help" || a == "-h") r.help = true;
        else if (a == "--version") r.version = true;
        else if (a == "--tables") {
            if (!TakeValue(args, i, value, error)) return std::nullopt;
            r.tables = value;
        } else if (a == "--preset") {
            if (!TakeValue(args, i, value, error) || !ApplyPreset(r.options, value, error)) return std::nullopt;
        } else if (a == "--set") {
            if (!TakeValue(args, i, value, error) || !ApplySet(r.options, value, error)) return std::nullopt;
        } else {
            error = "unknown option '" + a + "'";
            return std::nullopt;
        }
    }
    return r;
}

} // namespace pralomen::cli
