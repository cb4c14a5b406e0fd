#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

namespace {

using hv::win32::narrow;
using hv::win32::widen;

TEST(WideTextTest, ZoneNamesOutsideAnyCodePageSurviveTheRoundTrip)
{
    for (const std::string text : {"", "Asia/Kolkata", "(UTC+05:30) Chennai, Kolkata",
             "Heure normale d\xE2\x80\x99"
             "Europe",
             "\xE6\x9D\xB1\xE4\xBA\xAC", "clock \xF0\x9F\x95\x90"})
        EXPECT_EQ(narrow(widen(text)), text);
    EXPECT_EQ(widen("\xE6\x9D\xB1\xE4\xBA\xAC"), L"\x6771\x4EAC");
    EXPECT_EQ(widen("\xF0\x9F\x95\x90").size(), 2u) << "a character beyond the BMP takes a surrogate pair";
}

TEST(WideTextTest, BrokenInputBecomesReplacementCharactersNotTruncation)
{
    EXPECT_EQ(widen("a\xFF"
                    "b"),
        L"a\xFFFD"
        L"b");
    EXPECT_EQ(narrow(L"a\xD800"
                     L"b"),
        "a\xEF\xBF\xBD"
        "b");
}

} // namespace
