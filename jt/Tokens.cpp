#include "jt/Tokens.h"

#include <algorithm>

#include "engine/CommaText.h"
#include "engine/Replace.h"

namespace pralomen {

bool IsMarkerToken(std::u16string_view token)
{
    return token.size() >= 2 && token.front() == u'$' && token.back() == u'$';
}

std::vector<std::u16string> SplitTokens(std::u16string_view text)
{
    std::vector<std::u16string> tokens = SplitCommaText(text);
    std::erase_if(tokens, [](const std::u16string& t) { return t.empty(); });
    return tokens;
}

std::u16string JoinWithBlanks(const std::vector<std::u16string>& tokens)
{
    std::u16string joined;
    for (const std::u16string& t : tokens) {
        joined += t;
        joined += u' ';
    }
    return Trim(joined);
}

} // namespace pralomen
