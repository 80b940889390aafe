#include <gtest/gtest.h>

#include "engine/TextFile.h"
#include "tools/datatools/TableText.h"

namespace pralomen::data {
namespace {

TEST(TableTextTest, WritesUtf16LittleEndianWithMarkAndCrLf)
{
    EXPECT_EQ(EncodeTableText({u"ก,a"}), std::string("\xFF\xFE\x01\x0E,\0a\0\r\0\n\0", 12));
    EXPECT_EQ(EncodeTableText({}), "\xFF\xFE");
}

TEST(TableTextTest, TheEngineReadsBackTheLinesOfAUtf8Source)
{
    const std::string sources[] = {"1,พ.ศ.,พุทธศักราช\n1,ดร.,ด็อกเตอร์\n", "\xEF\xBB\xBF" "1,พ.ศ.,พุทธศักราช\r\n1,ดร.,ด็อกเตอร์",
                                   "1,พ.ศ.,พุทธศักราช\r1,ดร.,ด็อกเตอร์\r"};
    const std::vector<std::u16string> expected = {u"1,พ.ศ.,พุทธศักราช", u"1,ดร.,ด็อกเตอร์"};
    for (const auto& source : sources) {
        auto lines = Utf8TableLines(source);
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(DecodeTextLines(EncodeTableText(lines)), expected);
    }
}

} // namespace
} // namespace pralomen::data
