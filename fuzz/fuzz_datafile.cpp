// The data-file reader and the comma-text split on any bytes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/CommaText.h"
#include "engine/TableStore.h"
#include "engine/TextFile.h"
#include "fuzz/FuzzText.h"

namespace {

using namespace pralomen;

bool IsLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }

// Outside quotes a field never holds a separator, so a line without quotes splits into fields
// that hold none.
void CheckSplit(std::u16string_view line)
{
    const auto fields = SplitCommaText(line);
    if (line.find(u'"') != std::u16string_view::npos) return;
    for (const auto& field : fields)
        if (std::any_of(field.begin(), field.end(), [](char16_t c) { return c <= u' ' || c == u','; })) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    for (const auto& line : DecodeTextLines(text)) {
        if (std::any_of(line.begin(), line.end(), IsLineEnd)) std::abort();
        CheckSplit(line);
    }
    CheckSplit(fuzz::RawUnits(text));
    const TablePtr table = ParseTable(text);
    if (!table) std::abort();
    return 0;
}
