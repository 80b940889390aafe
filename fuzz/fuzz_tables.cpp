// The conversion over table files a user has edited into any shape: one data file of the table
// folder gets any lines (empty spellings, stray quotes, codes of the notation, very long fields),
// then a text is converted that is likely to meet its entries.
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/DataFiles.h"
#include "engine/Engine.h"
#include "fuzz/FuzzFolder.h"
#include "fuzz/FuzzOptions.h"
#include "fuzz/FuzzText.h"

namespace {

using namespace pralomen;

std::string Utf16LeWithMark(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const auto& names = AllTableFileNames();
    const std::string& name = names[data.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)];
    const PralomenOptions options = fuzz::ConsumeOptions(data);
    const bool labo = data.ConsumeBool();
    const std::u16string table = fuzz::MakeFuzzText(data.ConsumeRandomLengthString(8192));
    const std::u16string text = fuzz::MakeFuzzText(data.ConsumeRemainingBytesAsString());

    const auto& folder = fuzz::ScratchFolder();
    fuzz::WriteScratchFile(folder / name, Utf16LeWithMark(table));
    // A new engine each time, so that no table of an earlier run is still in memory.
    Engine engine(folder);
    engine.Options() = options;
    MemoryLog log;
    // The table's own text as input meets its entries wherever they are well formed.
    labo ? engine.YomiConv1(table, log) : engine.YomiConv2(table, log);
    labo ? engine.YomiConv1(text, log) : engine.YomiConv2(text, log);
    std::filesystem::remove(folder / name);
    return 0;
}
