// The Windows render tool reads its command line by the rules the Linux
// tool's parser follows: the same lines are taken, and the same ones are
// refused with the same message and exit status.
#include "render_command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using render_tool::parseCommandLine;
using ::testing::AnyOf;
using ::testing::HasSubstr;

std::vector<std::string> line(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "horavista-render.exe");
    return arguments;
}

TEST(RenderCommandLine, TakesEveryFormTheLinuxParserTakes)
{
    const auto o = parseCommandLine(line({"--size", "1920x1080", "--time=03:00:00", "-ops"}));
    EXPECT_EQ(o.width, 1920);
    EXPECT_EQ(o.height, 1080);
    EXPECT_EQ(o.time, 3 * 3600.0);
    EXPECT_TRUE(o.ops);

    const auto png = parseCommandLine(line({"-size=10x20", "--png", "--ops.png", "--clock-color", "255",
        "--background=", "--zone", "India Standard Time", "--at", "2026-07-01T12:00:00Z"}));
    EXPECT_EQ(png.png, "--ops.png") << "a value may look like an option";
    EXPECT_FALSE(png.ops);
    EXPECT_EQ(png.clockColour, "255");
    EXPECT_EQ(png.background, "");
    EXPECT_EQ(png.zone, "India Standard Time");
    EXPECT_EQ(png.atMs, 1'782'907'200'000);

    EXPECT_EQ(parseCommandLine(line({"--time", "01:00:00", "--size", "5x5", "--time", "02:00:00", "--ops"})).time,
        2 * 3600.0);
    EXPECT_TRUE(parseCommandLine(line({"--list-zones"})).listZones);
}

TEST(RenderCommandLine, RefusesWhatTheLinuxToolRefusesWithItsMessageAndStatus2)
{
    const std::vector<std::string> draw{"--size", "10x10", "--ops"};
    auto plus = [&](std::vector<std::string> more) {
        more.insert(more.begin(), draw.begin(), draw.end());
        return more;
    };
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "--size is required"},
        {{"--size"}, "--size needs a value"},
        {plus({"--time"}), "--time needs a value"},
        {plus({"--bogus"}), "unknown argument --bogus"},
        {{"--bogus", "--size", "10x10", "--ops"}, "unknown argument --bogus"},
        {plus({"-x"}), "unknown argument -x"},
        {plus({"-hx"}), "unknown argument -hx"},
        {plus({"foo"}), "unknown argument foo"},
        {plus({"-"}), "unknown argument -"},
        {plus({"--", "--ops"}), "unknown argument --ops"},
        {{"--size", "10x10", "--ops=1"}, "unknown argument --ops=1"},
        {{"--size", "0x10", "--ops"}, "--size takes WIDTHxHEIGHT in pixels, each 1 to 16384, as 1920x1080"},
        {{"--size", "16000x16000", "--ops"},
            "--size 16000x16000 would need an image of 1024 MB; the clock draws into images of 1000 MB at the most"},
        {plus({"--time", "24:00:00"}), "--time takes HH:MM:SS or HH:MM:SS.fff"},
        {plus({"--at", "2026-02-30T00:00:00Z"}), "--at takes an instant in UTC as YYYY-MM-DDTHH:MM:SSZ"},
        {plus({"--time", "01:00:00", "--zone", "UTC"}), "--time is the time shown; it takes no --zone or --at"},
        {{"--size", "10x10"}, "give one of --png FILE, --svg FILE or --ops"},
        {plus({"--png", "f.png"}), "give one of --png FILE, --svg FILE or --ops"},
    };
    for (const auto& [arguments, message] : cases) {
        const std::string said = "horavista-render: " + message;
        EXPECT_EXIT(parseCommandLine(line(arguments)), ::testing::ExitedWithCode(2),
            AnyOf(HasSubstr(said + "\nusage: horavista-render --size WxH"),
                HasSubstr(said + "\r\nusage: horavista-render --size WxH")))
            << message;
    }
    EXPECT_EXIT(parseCommandLine(line({"-h"})), ::testing::ExitedWithCode(0), "");
}

TEST(RenderCommandLine, InstantsCountFromTheEpochInTheGregorianCalendar)
{
    auto at = [](const std::string& instant) {
        return *parseCommandLine(line({"--list-zones", "--at", instant})).atMs;
    };
    EXPECT_EQ(at("1970-01-01T00:00:00Z"), 0);
    EXPECT_EQ(at("2000-02-29T23:59:59Z"), 951'868'799'000);
    EXPECT_EQ(at("1969-12-31T23:59:59Z"), -1000);
    EXPECT_EXIT(at("2100-02-29T00:00:00Z"), ::testing::ExitedWithCode(2), "");
}

} // namespace
