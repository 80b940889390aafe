#include "cli/CliOutput.h"

#include <cstdio>

#include "engine/Utf.h"

namespace pralomen::cli {

std::string JsonString(const std::u16string& s)
{
    std::string out = "\"";
    for (char c : Utf16ToUtf8(s)) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(c));
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

void PrintPlain(std::ostream& out, const ConversionResult& r)
{
    out << Utf16ToUtf8(r.allKana) << '\n' << Utf16ToUtf8(r.allIPA) << '\n';
}

void PrintJson(std::ostream& out, const ConversionResult& r, const std::vector<std::u16string>& log)
{
    out << "{\"thai\":" << JsonString(r.allThai) << ",\"kana\":" << JsonString(r.allKana)
        << ",\"ipa\":" << JsonString(r.allIPA) << ",\"pattern\":" << JsonString(r.allPat) << ",\"color\":\""
        << ColorName(r.color) << "\",\"log\":[";
    for (std::size_t i = 0; i < log.size(); ++i) out << (i ? "," : "") << JsonString(log[i]);
    out << "]}\n";
}

} // namespace pralomen::cli
