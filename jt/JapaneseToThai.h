// Hiragana to romaji to IPA to Thai letters, one step at a time, so the user can edit each stage.
// Every step reads its tables afresh from the table folder; a missing table is empty data.
#pragma once

#include <filesystem>
#include <string>

namespace pralomen {

// Asked whether a fixed phrase or proper name found in the input is to be converted as a whole.
class PhraseQuestion {
public:
    virtual ~PhraseQuestion() = default;
    // True for Yes.
    virtual bool Ask(const std::u16string& message) = 0;
};

// Hiragana in, romaji tokens out. Each fixed phrase found in s is asked about once.
std::u16string GetKanaToRome(const std::u16string& s, const std::filesystem::path& tableFolder,
                             PhraseQuestion& question);
// Romaji tokens in, IPA tokens out; AO_flg lengthens a and o in syllables that do not end a word.
// Empty when the romaji table is missing.
std::u16string GetRomeToIPA(const std::u16string& s, const std::filesystem::path& tableFolder, bool AO_flg);
// IPA tokens in, Thai text out: each word's syllables joined, words separated by one blank.
std::u16string GetIPAToThai(const std::u16string& s, const std::filesystem::path& tableFolder);

// The message of the fixed-phrase table's entry for a marker token (the later line of two), or empty.
std::u16string GetSpMessage(const std::u16string& marker, const std::filesystem::path& tableFolder);

} // namespace pralomen
