#include <gtest/gtest.h>

#include "engine/ReadingList.h"
#include "engine/TableStore.h"
#include "engine/TextFile.h"
#include "TestTables.h"

using namespace pralomen;
using pralomen::test::TempTables;
using pralomen::test::Utf16LeBytes;

TEST(DataFile, EncodingsAndLineEnds)
{
    const std::vector<std::u16string> expected = {u"1,ก,x", u"2,ข,y", u"", u"3"};
    const std::u16string crlf = u"1,ก,x\r\n2,ข,y\r\n\r\n3";
    EXPECT_EQ(DecodeTextLines(Utf16LeBytes(crlf)), expected);
    EXPECT_EQ(DecodeTextLines(Utf16LeBytes(crlf, false)), expected);
    EXPECT_EQ(DecodeTextLines(Utf16LeBytes(u"1,ก,x\n2,ข,y\n\n3\n")), expected);
    EXPECT_EQ(DecodeTextLines(Utf16LeBytes(u"1,ก,x\r2,ข,y\r\r3")), expected);
    EXPECT_EQ(DecodeTextLines("\xEF\xBB\xBF" "1,\xE0\xB8\x81,x\r\n2,\xE0\xB8\x82,y\n\n3"), expected);
    EXPECT_EQ(DecodeTextLines("1,\xE0\xB8\x81,x\r\n2,\xE0\xB8\x82,y\n\n3"), expected);
}

TEST(DataFile, OddAndEmptyInputsDoNotBreakTheReader)
{
    EXPECT_TRUE(DecodeTextLines("").empty());
    EXPECT_TRUE(DecodeTextLines("\xFF\xFE").empty());
    EXPECT_EQ(DecodeTextLines(std::string("a\0b", 3)).size(), 1u); // not UTF-8: read as UTF-16LE
    EXPECT_EQ(DecodeTextLines(Utf16LeBytes(u"ab") + "x"), std::vector<std::u16string>{u"ab"});
}

TEST(DataFile, AMissingFileIsEmptyData)
{
    TempTables tables;
    TableStore store(tables.Dir());
    auto t = store.Get("none.txt");
    EXPECT_FALSE(t->Exists());
    EXPECT_TRUE(t->Rows().empty());
}

namespace {

bool MatchAt(const Table& t, const std::u16string& s, int dn, Unit& u) { return Matching_Special(ReadingsOf(t), 650, s, dn, u); }

} // namespace

TEST(Lookup, TheFirstEntryInFileOrderWinsUnlessADependentSignFollows)
{
    TempTables tables;
    TableStore store(tables.Dir());
    tables.Write("a.txt", {u"0,กา,kaa,ガー,カラス", u"0,กาแฟ,kaa·fΦEΦE,ガー・フェー,コーヒー"});
    tables.Write("b.txt", {u"0,กาแฟ,kaa·fΦEΦE,ガー・フェー,コーヒー", u"0,กา,kaa,ガー,カラス"});
    tables.Write("c.txt", {u"0,กร,x,y,z", u"1,กระ,kraΦ?,グラッ", u"0,,a,b,c"});
    Unit u;
    ASSERT_TRUE(MatchAt(*store.Get("a.txt"), u"กาแฟ ", 1, u));
    EXPECT_EQ(u.cnt, 2);
    EXPECT_EQ(u.sjpn, u"カラス");
    ASSERT_TRUE(MatchAt(*store.Get("b.txt"), u"กาแฟ ", 1, u));
    EXPECT_EQ(u.cnt, 4);
    EXPECT_EQ(u.rule, 650);
    EXPECT_EQ(u.skana, u"ガー・フェー");
    EXPECT_FALSE(MatchAt(*store.Get("c.txt"), u"กระ ", 1, u)) << "a four-field line never matches";
    EXPECT_TRUE(u.sthai.empty());
    EXPECT_TRUE(MatchAt(*store.Get("c.txt"), u"กรม", 1, u));
    EXPECT_FALSE(MatchAt(*store.Get("a.txt"), u"กา", 2, u)) << "fewer than two characters left";
    EXPECT_TRUE(MatchAt(*store.Get("a.txt"), u"xกา", 2, u)) << "a word at the very end has no follower";
}

TEST(Lookup, AUtf8TableWrittenByAnEditorIsRead)
{
    TempTables tables;
    TableStore store(tables.Dir());
    tables.WriteBytes("u.txt", "0,\xE0\xB8\x81\xE0\xB8\xB2,kaa,\xE3\x82\xAC\xE3\x83\xBC,crow\n");
    Unit u;
    EXPECT_TRUE(MatchAt(*store.Get("u.txt"), u"กา ", 1, u));
    EXPECT_EQ(u.skana, u"ガー");
}

TEST(DataFile, ARecheckIntervalTrustsTheLoadedContentUntilItEnds)
{
    TempTables tables;
    TableStore store(tables.Dir());
    tables.Write("t.txt", {u"1,a"});
    store.SetRecheckInterval(std::chrono::hours(1));
    EXPECT_EQ(store.Get("t.txt")->Rows().size(), 1u);
    tables.Write("t.txt", {u"1,a", u"2,b"});
    EXPECT_EQ(store.Get("t.txt")->Rows().size(), 1u) << "within the interval the loaded content stands";
    store.SetRecheckInterval({});
    EXPECT_EQ(store.Get("t.txt")->Rows().size(), 2u);
    std::filesystem::remove(tables.Dir() / "t.txt");
    EXPECT_FALSE(store.Get("t.txt")->Exists());
    std::filesystem::create_directory(tables.Dir() / "t.txt");
    EXPECT_FALSE(store.Get("t.txt")->Exists()) << "a folder is not a table";
}
