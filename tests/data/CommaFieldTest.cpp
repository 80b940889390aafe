#include <gtest/gtest.h>

#include "engine/CommaText.h"
#include "tools/datatools/ReadingEntry.h"

namespace pralomen::data {
namespace {

// Whatever a gloss holds, the engine's split must give the written fields back unchanged.
TEST(CommaFieldTest, ReadingLinesSplitBackIntoTheirFields)
{
    const std::u16string glosses[] = {u"市場",     u"こんにちは（挨拶）", u"a b",         u"a,b", u"say \"hi\"",
                                      u"\"quoted", u"全角\u3000空白",    u"trailing ", u"",    u"tab\there"};
    for (const auto& gloss : glosses) {
        ReadingEntry e{1, true, u"ตลาด", u"ta\u0300Φ?·la\u0300at", u"タッ_・ラーμト_", gloss};
        auto fields = SplitCommaText(FormatReadingLine(e));
        ASSERT_EQ(fields.size(), 5u) << testing::PrintToString(gloss);
        EXPECT_EQ(fields[0], u"1");
        EXPECT_EQ(fields[1], e.thai);
        EXPECT_EQ(fields[2], e.ipa);
        EXPECT_EQ(fields[3], e.kana);
        EXPECT_EQ(fields[4], gloss);
    }
}

TEST(CommaFieldTest, PlainFieldsStayUnquoted)
{
    EXPECT_EQ(CommaField(u"ตลาด"), u"ตลาด");
    EXPECT_EQ(CommaField(u"a b"), u"\"a b\"");
    EXPECT_EQ(CommaField(u""), u"\"\"");
}

} // namespace
} // namespace pralomen::data
