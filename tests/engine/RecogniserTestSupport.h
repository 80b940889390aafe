// Shared by the recogniser tests: one expected unit per input text.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/Options.h"
#include "engine/Unit.h"
#include "engine/Utf.h"

namespace recogniser_test {

using Recogniser = bool (*)(const std::u16string&, int, const pralomen::PralomenOptions&, pralomen::Unit&);

struct Expect {
    std::u16string s1;
    int rule; // 0: no match
    int cnt;
    std::u16string kana;
    std::u16string ipa;
    int dn = 1;
};

inline void CheckUnit(Recogniser match, const Expect& e, const pralomen::PralomenOptions& opt)
{
    pralomen::Unit u;
    u.sthai = u"stale";
    u.rule = -1;
    const bool found = match(e.s1, e.dn, opt, u);
    const std::string where = pralomen::Utf16ToUtf8(e.s1) + " at " + std::to_string(e.dn);
    EXPECT_EQ(found, e.rule != 0) << where;
    EXPECT_EQ(u.rule, e.rule) << where;
    EXPECT_EQ(u.cnt, e.cnt) << where;
    EXPECT_EQ(u.sthai, found ? e.s1.substr(e.dn - 1, e.cnt) : u"") << where;
    EXPECT_EQ(pralomen::Utf16ToUtf8(u.skana), pralomen::Utf16ToUtf8(e.kana)) << where;
    EXPECT_EQ(pralomen::Utf16ToUtf8(u.sipa), pralomen::Utf16ToUtf8(e.ipa)) << where;
}

inline pralomen::PralomenOptions ShortPlain(bool on)
{
    pralomen::PralomenOptions opt;
    pralomen::InitPralomenVars(opt);
    opt.ShortPlainFlg = on;
    return opt;
}

} // namespace recogniser_test
