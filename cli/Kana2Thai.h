// The command "kana2thai": the three Japanese-to-Thai steps from the command line, for scripts.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace pralomen {

// args are the words after "kana2thai": [--yes|--no] [--no-long] [--] [TEXT]... The TEXT words, joined
// by blanks, are one conversion; without them each non-empty line of in is one. Each conversion prints
// its romaji, IPA and Thai lines. Every fixed-phrase question is shown on err and answered with the
// flag's answer (no by default). Returns 0; 2 after a one-line error for a bad argument; 1 after one
// when the table folder lacks the kana table.
int RunKana2Thai(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                 const std::filesystem::path& tableFolder);

} // namespace pralomen
