// Japanese glosses of recognised units ("1,<Thai>,<gloss>" lines).
#pragma once

#include <string>
#include <unordered_map>

#include "engine/TableStore.h"

namespace pralomen {

class GlossIndex {
public:
    explicit GlossIndex(const Table& table);
    // The gloss of the first enabled line for the text, or "".
    std::u16string Find(const std::u16string& sthai) const;

private:
    std::unordered_map<std::u16string, std::u16string> glosses_;
};

std::u16string GetJapanese(const Table& glossTable, const std::u16string& sthai);

} // namespace pralomen
