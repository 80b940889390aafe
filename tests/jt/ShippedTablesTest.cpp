#include <gtest/gtest.h>

#include <set>

#include "TableFolder.h"
#include "engine/DataFiles.h"
#include "jt/JapaneseToThai.h"
#include "jt/TableFiles.h"
#include "jt/Tokens.h"

namespace pralomen::test {
namespace {

const std::filesystem::path kShipped = PRALOMEN_SHIPPED_TABLES;

bool IsMarkerTokenOrKey(const std::u16string& token, const OrderedTable& table)
{
    return IsMarkerToken(token) || table.Find(token).has_value();
}

struct Reading {
    std::string rome, ipa, thai;
};

Reading Convert(const std::string& kana, bool answer = false, bool AO_flg = true)
{
    RecordingQuestion question(answer);
    Reading r;
    r.rome = U8(GetKanaToRome(U(kana), kShipped, question));
    r.ipa = U8(GetRomeToIPA(U(r.rome), kShipped, AO_flg));
    r.thai = U8(GetIPAToThai(U(r.ipa), kShipped));
    return r;
}

struct WordCase {
    const char* kana;
    const char* rome;
    const char* ipa;
    const char* thai;
};

class CommonWords : public ::testing::TestWithParam<WordCase> {};

// Japanese voiceless stops come out aspirated (ค ท พ ช); the user removes the h for ก ต ป จ.
TEST_P(CommonWords, ReadLetterByLetter)
{
    Reading r = Convert(GetParam().kana);
    EXPECT_EQ(r.rome, GetParam().rome);
    EXPECT_EQ(r.ipa, GetParam().ipa);
    EXPECT_EQ(r.thai, GetParam().thai);
}

INSTANTIATE_TEST_SUITE_P(
    Words, CommonWords,
    ::testing::Values(
        WordCase{"さくら", "sa ku ra", "saa kʰu ra", "ซาคุระ"},
        WordCase{"たなか", "ta na ka", "tʰaa naa kʰa", "ทานาคะ"},
        WordCase{"やまもと", "ya ma mo to", "jaa maa moo tʰo", "ยามาโมโทะ"},
        WordCase{"がっこう", "gaq koo", "kak kʰoo", "กักโค"},
        WordCase{"しんぶん", "shin bun", "cʰin bun", "ชินบุน"},
        WordCase{"きょうと", "kyoo to", "kʰjoo tʰo", "เคียวโทะ"},
        WordCase{"けいこ", "kee ko", "kʰee kʰo", "เคโคะ"},
        WordCase{"さいとう", "sai too", "saj tʰoo", "ไซโท"},
        WordCase{"りょうこ", "ryoo ko", "rjoo kʰo", "เรียวโคะ"},
        WordCase{"ざっし", "zaq shi", "sat cʰi", "ซัตชิ"},
        WordCase{"まつもと", "ma tsu mo to", "maa sɯ moo tʰo", "มาสึโมโทะ"},
        WordCase{"ぎゅうにゅう", "gyuu nyuu", "kjuu njuu", "กิวนิว"},
        WordCase{"わたし は　さとう です", "wa ta shi $SP$ wa $SP$ sa too $SP$ de su",
                 "waa tʰaa cʰi $SP$ wa $SP$ saa tʰoo $SP$ de su", "วาทาชิ วะ ซาโท เดะซุ"},
        WordCase{"へ　を　", "e $SP$ o $SP$", "e $SP$ o $SP$", "เอะ โอะ"}));

struct FixedCase {
    const char* kana;
    const char* thai;
};

class UsualSpellings : public ::testing::TestWithParam<FixedCase> {};

TEST_P(UsualSpellings, ReplaceTheLetterByLetterFormOnYes)
{
    EXPECT_EQ(Convert(GetParam().kana, true).thai, GetParam().thai);
    EXPECT_NE(Convert(GetParam().kana, false).thai, GetParam().thai);
}

INSTANTIATE_TEST_SUITE_P(Names, UsualSpellings,
                         ::testing::Values(FixedCase{"とうきょう", "โตเกียว"}, FixedCase{"おおさか", "โอซากา"},
                                           FixedCase{"きょうと", "เกียวโต"}, FixedCase{"にほん", "ญี่ปุ่น"},
                                           FixedCase{"こんにちは", "คอนนิจิวะ"},
                                           FixedCase{"とうきょう と　おおさか", "โตเกียว โทะ โอซากา"}));

TEST(ShippedTables, WithoutLongVowelsEverySyllableStaysShort)
{
    EXPECT_EQ(Convert("たなか", false, false).thai, "ทะนะคะ");
}

struct AspirationCase {
    const char* aspirated;
    const char* plain;
    const char* thaiAspirated;
    const char* thaiPlain;
};

class AspirationRemoved : public ::testing::TestWithParam<AspirationCase> {};

TEST_P(AspirationRemoved, GivesTheUnaspiratedLetter)
{
    EXPECT_EQ(U8(GetIPAToThai(U(GetParam().aspirated), kShipped)), GetParam().thaiAspirated);
    EXPECT_EQ(U8(GetIPAToThai(U(GetParam().plain), kShipped)), GetParam().thaiPlain);
}

INSTANTIATE_TEST_SUITE_P(Stops, AspirationRemoved,
                         ::testing::Values(AspirationCase{"tʰaa naa kʰa", "taa naa ka", "ทานาคะ", "ตานากะ"},
                                           AspirationCase{"pʰan", "pan", "พัน", "ปัน"},
                                           AspirationCase{"cʰaa", "caa", "ชา", "จา"}));

OrderedTable Shipped(const char* file)
{
    OrderedTable table;
    EXPECT_TRUE(LoadPairTable(kShipped / file, table)) << file;
    return table;
}

TEST(ShippedTables, EveryHiraganaHasARomajiToken)
{
    OrderedTable kana = Shipped(jp1File);
    for (char16_t c = u'\u3041'; c <= u'\u3096'; ++c)
        EXPECT_TRUE(kana.Find(std::u16string(1, c)).has_value()) << U8(std::u16string(1, c));
}

TEST(ShippedTables, EveryRomajiTokenHasAnIPAToken)
{
    OrderedTable ipa = Shipped(jp2File);
    OrderedTable kana = Shipped(jp1File);
    for (const TableEntry& e : kana.Entries())
        EXPECT_TRUE(IsMarkerTokenOrKey(e.value, ipa)) << U8(e.key) << " " << U8(e.value);
}

// An IPA token may reach the Thai step lengthened, or with its glottal stop closed before k, t or p.
std::vector<std::u16string> FormsReachingThaiStep(const std::u16string& ipa)
{
    std::vector<std::u16string> forms;
    if (ipa.back() == u'?') {
        if (ipa.size() > 1) forms.push_back(ipa);
        for (char16_t stop : {u'k', u't', u'p'}) forms.push_back(ipa.substr(0, ipa.size() - 1) + stop);
        return forms;
    }
    forms.push_back(ipa);
    char16_t last = ipa.back();
    bool lengthens = (last == u'a' || last == u'o') && !(ipa.size() > 1 && ipa[ipa.size() - 2] == last);
    if (lengthens) forms.push_back(ipa + last);
    return forms;
}

TEST(ShippedTables, EveryIPATokenHasThaiLettersInEachForm)
{
    OrderedTable thai = Shipped(jp3File);
    OrderedTable ipa = Shipped(jp2File);
    for (const TableEntry& e : ipa.Entries())
        for (const std::u16string& form : FormsReachingThaiStep(e.value))
            EXPECT_TRUE(thai.Find(form).has_value()) << U8(e.key) << " -> " << U8(form);
}

TEST(ShippedTables, EveryFixedPhraseHasMarkerThaiFormAndMessage)
{
    SpecialPhrases phrases;
    ASSERT_TRUE(LoadSpecialPhrases(kShipped / jp4File, phrases));
    EXPECT_GE(phrases.Entries().size(), 20u);
    std::set<std::u16string> seen;
    for (const SpecialPhrase& e : phrases.Entries()) {
        EXPECT_TRUE(IsMarkerToken(e.marker)) << U8(e.phrase);
        EXPECT_FALSE(e.thai.empty()) << U8(e.phrase);
        EXPECT_FALSE(e.message.empty()) << U8(e.phrase);
        EXPECT_TRUE(seen.insert(e.phrase).second) << "phrase twice: " << U8(e.phrase);
        EXPECT_EQ(Convert(U8(e.phrase), true).thai, U8(e.thai)) << U8(e.phrase);
    }
}

} // namespace
} // namespace pralomen::test
