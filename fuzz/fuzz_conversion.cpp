// The conversion driver on any text under any options, with the shipped tables.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/Engine.h"
#include "fuzz/FuzzOptions.h"
#include "fuzz/FuzzText.h"

namespace {

using namespace pralomen;

bool IsTrimmed(const std::u16string& s)
{
    return s.empty() || (s.front() > u' ' && s.back() > u' ');
}

// Whatever the input, a conversion gives a judgement, a pattern text that starts with a space and
// three texts without blanks or controls at either end.
void CheckResult(const ConversionResult& r)
{
    if (r.color == JudgeColor::White || r.allPat.empty() || r.allPat.front() != u' ') std::abort();
    if (!IsTrimmed(r.allThai) || !IsTrimmed(r.allKana) || !IsTrimmed(r.allIPA)) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    static Engine engine(PRALOMEN_FUZZ_TABLES);
    FuzzedDataProvider data(bytes, size);
    engine.Options() = fuzz::ConsumeOptions(data);
    const bool labo = data.ConsumeBool();
    const bool raw = data.ConsumeBool();
    const std::string rest = data.ConsumeRemainingBytesAsString();
    const std::u16string text = raw ? fuzz::RawUnits(rest) : fuzz::MakeFuzzText(rest);
    MemoryLog log;
    CheckResult(labo ? engine.YomiConv1(text, log) : engine.YomiConv2(text, log));
    return 0;
}
