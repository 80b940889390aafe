// pralomen-cli: converts Thai text from the command line or standard input.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "engine/Engine.h"
#include "engine/Utf.h"
#include "shell/DefaultTables.h"
#ifdef PRALOMEN_WITH_KANA2THAI
#include "cli/Kana2Thai.h"
#endif

namespace pralomen::cli {
namespace {

std::u16string DecodeInput(const std::string& text, std::size_t lineNumber)
{
    const auto bad = FirstInvalidUtf8(text);
    if (bad != std::string::npos)
        std::cerr << "pralomen-cli: line " << lineNumber << ": invalid UTF-8 at byte offset " << bad
                  << ", replaced with U+FFFD\n";
    return Utf8ToUtf16(text);
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
    Engine engine(request->tables ? std::filesystem::path(*request->tables) : shell::DefaultTableFolder());
    engine.Options() = request->options;
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

} // namespace
} // namespace pralomen::cli

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
#ifdef PRALOMEN_WITH_KANA2THAI
    if (!args.empty() && args[0] == "kana2thai")
        return pralomen::RunKana2Thai({args.begin() + 1, args.end()}, std::cin, std::cout, std::cerr,
                            pralomen::shell::DefaultTableFolder());
#endif
    return pralomen::cli::Run(args);
}
