// pralomen-cli: converts Thai text from the command line or standard input.
#include <cwchar>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/InputText.h"
#include "engine/Engine.h"
#include "engine/Utf.h"
#include "shell/DefaultTables.h"
#ifdef PRALOMEN_WITH_KANA2THAI
#include "cli/Kana2Thai.h"
#endif
#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace pralomen::cli {
namespace {

std::u16string DecodeInput(const std::string& text, std::size_t lineNumber)
{
    return DecodeInputLine(text, lineNumber, "pralomen-cli", std::cerr);
}

void ConvertOne(Engine& engine, const CliRequest& request, const std::u16string& text)
{
    MemoryLog log;
    const auto result = request.labo ? engine.YomiConv1(text, log) : engine.YomiConv2(text, log);
    if (request.json) PrintJson(std::cout, result, log.lines);
    else PrintPlain(std::cout, result);
}

int Run(const std::vector<std::string>& args)
{
    std::string error;
    const auto request = ParseCommandLine(args, error);
    if (!request) {
        std::cerr << "pralomen-cli: " << error << "\n";
        return 2;
    }
    if (request->help) {
        std::cout << kUsage;
        return 0;
    }
    if (request->version) {
        std::cout << "pralomen-cli " << PRALOMEN_VERSION << "\n";
        return 0;
    }
    // Without --tables: the user's tables when they exist, else those installed with the program.
    Engine engine(request->tables ? std::filesystem::path(std::u8string(request->tables->begin(), request->tables->end()))
                                  : shell::DefaultTableFolder());
    engine.Options() = request->options;
    // A batch of lines need not look at every table file before every line; an edit still counts within a second.
    engine.Tables().SetRecheckInterval(std::chrono::seconds(1));
    std::size_t lineNumber = 0;
    if (!request->texts.empty()) {
        for (const auto& text : request->texts) ConvertOne(engine, *request, DecodeInput(text, ++lineNumber));
    } else {
        for (std::string line; std::getline(std::cin, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            ConvertOne(engine, *request, DecodeInput(line, ++lineNumber));
        }
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

// The arguments as UTF-8. Windows hands main() its arguments in the ANSI code page, which has no
// Thai letters, so there they are taken from the UTF-16 command line instead.
std::vector<std::string> Arguments(int argc, char** argv)
{
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide) {
        std::vector<std::string> args;
        for (int i = 1; i < count; ++i)
            args.push_back(Utf16ToUtf8(std::u16string(wide[i], wide[i] + std::wcslen(wide[i]))));
        LocalFree(wide);
        SetConsoleOutputCP(CP_UTF8);
        return args;
    }
#endif
    return std::vector<std::string>(argv + 1, argv + argc);
}

} // namespace
} // namespace pralomen::cli

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args = pralomen::cli::Arguments(argc, argv);
#ifdef PRALOMEN_WITH_KANA2THAI
    if (!args.empty() && args[0] == "kana2thai")
        return pralomen::RunKana2Thai({args.begin() + 1, args.end()}, std::cin, std::cout, std::cerr,
                            pralomen::shell::DefaultTableFolder());
#endif
    return pralomen::cli::Run(args);
}
