// The Japanese-to-Thai steps on any text, with any tables or excerpts of the shipped ones, and any answers to
// the fixed-phrase questions. Each step also takes any text directly, as the user may edit the
// text between the steps.
#include <cstdint>
#include <fstream>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/FuzzFolder.h"
#include "fuzz/FuzzText.h"
#include "jt/JapaneseToThai.h"

namespace {

using namespace pralomen;
namespace fs = std::filesystem;

class ScriptedAnswers : public PhraseQuestion {
public:
    explicit ScriptedAnswers(std::uint32_t bits) : bits_(bits) {}
    bool Ask(const std::u16string&) override
    {
        const bool yes = bits_ & 1u;
        bits_ = bits_ >> 1 | bits_ << 31;
        return yes;
    }

private:
    std::uint32_t bits_;
};

const char* const kTableFiles[] = {"kana_rome.txt", "rome_ipa.txt", "ipa_thai.txt", "n_special.txt"};

constexpr int kExcerptLines = 120;

// The first lines of each shipped table: real keys and values, few enough that loading the tables
// at every step does not dominate the run.
const fs::path& ShippedExcerpts()
{
    static const fs::path folder = [] {
        const fs::path excerpts = fuzz::ScratchFolder() / "shipped";
        fs::create_directories(excerpts);
        for (const char* name : kTableFiles) {
            std::ifstream in(fs::path(PRALOMEN_SHIPPED_JT_TABLES) / name, std::ios::binary);
            std::string text;
            std::string line;
            for (int n = 0; n < kExcerptLines && std::getline(in, line); ++n) text += line + "\n";
            fuzz::WriteScratchFile(excerpts / name, text);
        }
        return excerpts;
    }();
    return folder;
}

fs::path TablesFor(FuzzedDataProvider& data)
{
    if (data.ConsumeBool()) return ShippedExcerpts();
    const fs::path folder = fuzz::ScratchFolder();
    for (const char* name : kTableFiles) {
        if (data.ConsumeBool()) fuzz::WriteScratchFile(folder / name, data.ConsumeRandomLengthString(4096));
        else fs::remove(folder / name);
    }
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const fs::path tables = TablesFor(data);
    ScriptedAnswers answers(data.ConsumeIntegral<std::uint32_t>());
    const bool AO_flg = data.ConsumeBool();
    const std::u16string text = fuzz::MakeFuzzText(data.ConsumeRemainingBytesAsString(), fuzz::kHiraganaBlock);

    const std::u16string rome = GetKanaToRome(text, tables, answers);
    const std::u16string ipa = GetRomeToIPA(rome, tables, AO_flg);
    GetIPAToThai(ipa, tables);
    GetIPAToThai(GetRomeToIPA(text, tables, AO_flg), tables);
    GetIPAToThai(text, tables);
    GetSpMessage(text, tables);
    return 0;
}
