// Placeholders until the phonology toolkit and the recognisers land; they match nothing.
#include "engine/Phonology.h"
#include "engine/Recognisers.h"

namespace pralomen {

void GetConsoInfo(char16_t, std::u16string& hipa, std::u16string& eipa, int& gp) { hipa.clear(); eipa.clear(); gp = 0; }
bool IsDoubleConso(std::u16string_view) { return false; }
std::u16string GetDblConsoIpa(std::u16string_view) { return {}; }
int GetToneNumber(std::u16string_view, int, int) { return 1; }
void GetToneSign(int, std::u16string& tsp, std::u16string& tsk) { tsp.clear(); tsk.clear(); }
std::u16string GetNormalKana(std::u16string_view, std::u16string_view, std::u16string_view, std::u16string_view,
                             const PralomenOptions&) { return {}; }
std::u16string GetComplexKana(std::u16string_view, std::u16string_view, std::u16string_view, std::u16string_view,
                              const PralomenOptions&) { return {}; }
bool Matching_hcon(const std::u16string&, int, const PralomenOptions&, Unit& u) { u = {}; return false; }
bool Matching_1ee(const std::u16string&, int, const PralomenOptions&, Unit& u) { u = {}; return false; }
bool Matching_2ee(const std::u16string&, int, const PralomenOptions&, Unit& u) { u = {}; return false; }
bool Matching_oo(const std::u16string&, int, const PralomenOptions&, Unit& u) { u = {}; return false; }
bool Matching_ai(const std::u16string&, int, const PralomenOptions&, Unit& u) { u = {}; return false; }
bool Matching_oy(const std::u16string&, int, Unit& u) { u = {}; return false; }

} // namespace pralomen
