#include "BenchText.h"

#include <cstdlib>

#include "engine/TextFile.h"
#include "engine/Utf.h"

namespace pralomen::bench {
namespace {

constexpr char kParagraph[] =
    "สวัสดีครับ ยินดีต้อนรับสู่ประเทศไทย วันนี้อากาศดีมาก เราจะไปตลาดเพื่อซื้อผลไม้และขนม\n"
    "โปรแกรมนี้ช่วยให้อ่านภาษาไทยได้ง่ายขึ้น กรุณาเลือกไฟล์ที่ต้องการเปิด แล้วกดปุ่มตกลง\n"
    "ไม่สามารถเชื่อมต่อกับเซิร์ฟเวอร์ได้ โปรดตรวจสอบการตั้งค่าเครือข่ายของคุณอีกครั้ง\n";

std::u16string LoadSource()
{
    if (const char* path = std::getenv("PRALOMEN_BENCH_TEXT"))
        if (auto bytes = ReadFileBytes(path)) return Utf8ToUtf16(*bytes);
    return Utf8ToUtf16(kParagraph);
}

} // namespace

const std::u16string& SourceText()
{
    static const std::u16string text = LoadSource();
    return text;
}

std::u16string TextOfSize(std::size_t bytes)
{
    const std::u16string& source = SourceText();
    std::u16string text;
    std::size_t utf8Bytes = 0;
    for (std::size_t i = 0; utf8Bytes < bytes; i = (i + 1) % source.size()) {
        text.push_back(source[i]);
        utf8Bytes += source[i] < 0x80 ? 1 : source[i] < 0x800 ? 2 : 3;
    }
    return text;
}

} // namespace pralomen::bench
