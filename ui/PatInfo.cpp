#include "ui/PatInfo.h"

#include "engine/CommaText.h"
#include "engine/TextFile.h"
#include "engine/Utf.h"

namespace pralomen::ui {

PatInfo SearchPatInfo(int num, const std::filesystem::path& table) {
    const auto bytes = ReadFileBytes(table);
    if (!bytes)
        return {};
    const std::u16string key = Utf8ToUtf16(std::to_string(num));
    for (const std::u16string& line : DecodeTextLines(*bytes)) {
        const auto fields = SplitCommaText(line);
        if (fields.size() == 6 && fields[0] == key)
            return {fields[2], fields[3], fields[4], fields[5]};
    }
    return {};
}

} // namespace pralomen::ui
