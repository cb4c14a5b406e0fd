// The shared run-time rules: number conversions from stored text, rounding,
// the values a window accepts, and the error report.
#include "fakes/fake_platform.h"
#include "drawing/colour.h"
#include "runtime/error_report.h"
#include "runtime/message_box_guard.h"
#include "runtime/runtime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <variant>

namespace hv {
namespace {

// A conversion's outcome: the number, or the description of the error.
using Outcome = std::variant<std::int64_t, std::string>;

template <typename Convert>
Outcome outcomeOf(Convert&& convert)
{
    try {
        return static_cast<std::int64_t>(convert());
    } catch (const RuntimeError& e) {
        return std::string(e.what());
    }
}

const std::string kTypeMismatch = "Type mismatch";
const std::string kOverflow = "Overflow";
const std::string kInvalid = "Invalid property value";

struct TextCase {
    std::string text;
    Outcome expected;
};

TEST(TextToInt16, TrimsSignsRoundsAndRejects)
{
    const TextCase cases[] = {
        {"0", 0},
        {"16", 16},
        {"  7  ", 7},
        {"-5", -5},
        {"+3", 3},
        {" -12 ", -12},
        // Fractions round to the nearest, halves to the even neighbour.
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"0.5", 0},
        {"1.", 1},
        {".51", 1},
        {"1.5", 2},
        {"2.4999", 2},
        {"2.51", 3},
        // Too close to nought for a double is nought, not out of range.
        {"0." + std::string(400, '0') + "1", 0},
        {"-." + std::string(400, '0') + "9", 0},
        {"32767", 32767},
        {"-32768", -32768},
        // Rounded before the range is checked.
        {"32767.4", 32767},
        {"-32768.5", -32768},
        {"", kTypeMismatch},
        {"   ", kTypeMismatch},
        {"abc", kTypeMismatch},
        {"1x", kTypeMismatch},
        {"x1", kTypeMismatch},
        {"1.2.3", kTypeMismatch},
        {"-", kTypeMismatch},
        {".", kTypeMismatch},
        {"--1", kTypeMismatch},
        {"32768", kOverflow},
        {"32767.5", kOverflow},
        {"-32769", kOverflow},
        {"100000", kOverflow},
        {std::string(400, '9'), kOverflow},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outcomeOf([&] { return toInt16(c.text); }), c.expected) << '"' << c.text << '"';
}

TEST(TextToInt32, CoversTheColourRange)
{
    const TextCase cases[] = {
        {"16777215", 16777215},
        {"0", 0},
        {"255", 255},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", kOverflow},
        {"2147483647.5", kOverflow},
        {"-2147483649", kOverflow},
        {"", kTypeMismatch},
        {"abc", kTypeMismatch},
        {"16777215x", kTypeMismatch},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outcomeOf([&] { return toInt32(c.text); }), c.expected) << '"' << c.text << '"';
}

TEST(DoubleToInt, RoundsHalfEvenAndChecksRange)
{
    EXPECT_EQ(toInt16(683.5), 684);
    EXPECT_EQ(toInt16(682.5), 682);
    EXPECT_EQ(toInt16(-0.5), 0);
    EXPECT_EQ(outcomeOf([] { return toInt16(32767.5); }), Outcome(kOverflow));
    EXPECT_EQ(outcomeOf([] { return toInt16(std::nan("")); }), Outcome(kOverflow));
    EXPECT_EQ(outcomeOf([] { return toInt32(3e9); }), Outcome(kOverflow));
    EXPECT_EQ(outcomeOf([] { return toInt32(std::numeric_limits<double>::infinity()); }), Outcome(kOverflow));
}

TEST(RoundExactProduct, SettlesDecimalTiesByTheExactProduct)
{
    const struct {
        double k, L, expected;
    } cases[] = {
        // The double of 0.85 and 0.15 lies below the decimal, 0.55 and 0.81 above.
        {0.85, 550, 467},
        {0.55, 30, 17},
        {0.81, 50, 41},
        {0.15, 130, 19},
        // No tie: plain nearest.
        {0.15, 535, 80},
        {0.55, 535, 294},
        {0.15, 379, 57},
        // A true tie in binary as well goes to the even neighbour.
        {0.5, 5, 2},
        {0.5, 7, 4},
        {0.5, -5, -2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundExactProduct(c.k, c.L), c.expected) << c.k << " * " << c.L;
}

TEST(WindowValues, ColoursAndCheckStatesAWindowAccepts)
{
    const struct {
        std::uint32_t bits;
        bool accepted;
    } colours[] = {
        {0, true},
        {0xFFFFFF, true},
        {0x1000000, false},
        {0xFFFFFFFF, false}, // -1
        {0x8000000F, true}, // button face
        {0x80000018, true},
        {0x80000019, false}, // past the last system colour
        {0x8000010F, false},
        {0x4000000F, false},
    };
    for (const auto& c : colours) {
        const auto value = static_cast<Colour>(c.bits);
        const Outcome expected = c.accepted ? Outcome(value) : Outcome(kInvalid);
        EXPECT_EQ(outcomeOf([&] { return checkedColour(value); }), expected) << std::hex << c.bits;
    }

    for (std::int16_t state : {0, 1, 2})
        EXPECT_EQ(checkedCheckState(state), state);
    for (std::int16_t state : {-1, 3, 255})
        EXPECT_EQ(outcomeOf([&] { return checkedCheckState(state); }), Outcome(kInvalid)) << state;
}

TEST(ErrorReport, TextHasEveryPieceInPlace)
{
    EXPECT_EQ(errorReportText("Type mismatch", "Form2.Form_Load", 102),
        "Type mismatch\r\n"
        "in Horavista2021/08/31.Form2.Form_Load at line 102\r\r"
        "Please email screenshot of this message to support@quellmark.example");
}

TEST(ErrorTrap, ReportsAFailureAndGoesOnWithTheNextStatement)
{
    fakes::Log log;
    fakes::FakeMessageBoxes boxes(log);

    ErrorTrap trap(boxes, "Form2.Timer2_Timer");
    std::vector<int> ran;
    EXPECT_TRUE(trap(100, [&] { ran.push_back(100); }));
    EXPECT_FALSE(trap(102, [&] {
        ran.push_back(102);
        throw RuntimeError::overflow();
        ran.push_back(-1);
    }));
    EXPECT_TRUE(trap(104, [&] { ran.push_back(104); }));
    // Not only the program's own errors: anything the platform throws.
    EXPECT_FALSE(trap(106, [&] { throw std::out_of_range("Subscript out of range"); }));

    EXPECT_EQ(ran, (std::vector<int>{100, 102, 104}));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, errorReportText("Overflow", "Form2.Timer2_Timer", 102));
    EXPECT_EQ(boxes.shown[0].style, 48);
    EXPECT_EQ(boxes.shown[0].title, "Application Error");
    EXPECT_EQ(boxes.shown[1].text, errorReportText("Subscript out of range", "Form2.Timer2_Timer", 106));
    EXPECT_TRUE(trap.lastReported());
}

TEST(ErrorTrap, TellsOnlyWhatItMayAndKnowsWhetherABoxShowedIt)
{
    fakes::Log log;
    fakes::FakeMessageBoxes boxes(log);
    OneBoxAtATime guarded(boxes);
    bool mayReport = false;
    ErrorTrap trap(guarded, "Form2.Timer1_Timer", [&] { return mayReport; });
    auto fail = [] { throw RuntimeError::typeMismatch(); };

    // Kept quiet, the statement still ends there.
    bool after = false;
    EXPECT_FALSE(trap(100, [&] {
        fail();
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_FALSE(trap.lastReported());
    EXPECT_TRUE(boxes.shown.empty());

    mayReport = true;
    EXPECT_FALSE(trap(102, fail));
    EXPECT_TRUE(trap.lastReported());

    // Another box is open: the report is left out, and the trap knows.
    boxes.shown.clear();
    boxes.whileOpen = [&] { EXPECT_FALSE(trap(104, fail)); };
    guarded.show("Help", 0, "Horavista");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Help"});
    EXPECT_FALSE(trap.lastReported());
}

TEST(OneBoxAtATime, LeavesOutEveryBoxAskedForWhileOneIsOpen)
{
    fakes::Log log;
    fakes::FakeMessageBoxes boxes(log);
    OneBoxAtATime guarded(boxes);
    std::vector<int> answers;
    boxes.whileOpen = [&] {
        EXPECT_TRUE(guarded.open());
        answers.push_back(guarded.show("second", 48, "Application Error"));
        answers.push_back(guarded.show("third", 16, ""));
    };
    answers.push_back(guarded.show("first", 48, "Application Error"));

    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"first"});
    EXPECT_EQ(answers, (std::vector<int>{0, 0, 1}));
    EXPECT_FALSE(guarded.open());
    // Closed again, the next box shows.
    boxes.whileOpen = nullptr;
    EXPECT_EQ(guarded.show("fourth", 48, "Application Error"), 1);
    EXPECT_EQ(boxes.shown.size(), 2u);
}

} // namespace
} // namespace hv
