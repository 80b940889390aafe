#include "jt/AnsiText.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace pralomen {

#ifdef _WIN32

namespace {

// Windows gives the code page's few undefined single bytes characters of the private use area.
bool IsDecoded(int units, const wchar_t* unit, std::size_t length)
{
    if (units < 1) return false;
    return length == 2 || unit[0] < 0xE000 || unit[0] > 0xF8FF;
}

} // namespace

// One character at a time, so that an undecodable byte costs only itself, as the iconv path does;
// left to itself MultiByteToWideChar would put the code page's default character in its place.
std::u16string AnsiToUtf16(std::string_view bytes)
{
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = IsDBCSLeadByte(static_cast<BYTE>(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
        wchar_t unit[2] = {};
        const int units = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data() + i,
                                              static_cast<int>(length), unit, 2);
        if (IsDecoded(units, unit, length)) {
            text.append(unit, unit + units);
            i += length;
        } else {
            text.push_back(u'\uFFFD');
            ++i;
        }
    }
    return text;
}

#else

namespace {

class Converter {
public:
    Converter() : cd_(iconv_open("UTF-16LE", "CP932")) {}
    ~Converter() { if (Usable()) iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of in as it can; stops at an invalid or truncated sequence.
    void Convert(const char*& in, std::size_t& inLeft, std::u16string& out)
    {
        char buffer[512];
        while (inLeft > 0) {
            char* to = buffer;
            std::size_t toLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, const_cast<char**>(&in), &inLeft, &to, &toLeft);
            AppendUtf16Le(buffer, static_cast<std::size_t>(to - buffer), out);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) return;
        }
    }

private:
    static void AppendUtf16Le(const char* bytes, std::size_t n, std::u16string& out)
    {
        for (std::size_t i = 0; i + 1 < n; i += 2)
            out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }

    iconv_t cd_;
};

} // namespace

std::u16string AnsiToUtf16(std::string_view bytes)
{
    std::u16string text;
    Converter converter;
    if (!converter.Usable()) {
        text.assign(bytes.size(), u'\uFFFD');
        return text;
    }
    const char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        converter.Convert(in, inLeft, text);
        if (inLeft == 0) break;
        text.push_back(u'\uFFFD');
        ++in;
        --inLeft;
    }
    return text;
}

#endif

} // namespace pralomen
