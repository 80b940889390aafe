// A pattern number's entry in the pattern table "refPattern.txt".
#pragma once

#include <filesystem>
#include <string>

namespace pralomen::ui {

struct PatInfo {
    std::u16string s1; // letter composition, in the internal notation
    std::u16string s2; // reference note, plain text
    std::u16string s3; // vowel in kana, in the internal notation
    std::u16string s4; // vowel in IPA, in the internal notation
};

// The first six-field line whose first field is num in decimal; all empty when the file is
// missing or no line matches.
PatInfo SearchPatInfo(int num, const std::filesystem::path& table);

} // namespace pralomen::ui
