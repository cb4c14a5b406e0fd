// The command lines Windows starts a screen saver with, in either case, and
// the ones it never sends.
#include "system/screen_saver_arguments.h"

#include <gtest/gtest.h>

namespace hv {
namespace {

using Action = ScreenSaverRequest::Action;

TEST(ScreenSaverArgumentsTest, EachFormWindowsSendsAndEveryOtherIsRefused)
{
    struct Case {
        std::vector<std::string> arguments;
        Action action;
        std::uintptr_t host = 0;
    };
    const Case cases[] = {
        {{}, Action::Options},
        {{"/s"}, Action::Show},
        {{"/S"}, Action::Show},
        {{"/c"}, Action::Options},
        {{"/C:1184"}, Action::Options},
        {{"/p", "3342"}, Action::Preview, 3342},
        {{"/P:3342"}, Action::Preview, 3342},
        {{"/?"}, Action::Usage},
        {{"/Remove-Log-In"}, Action::RemoveLogIn},
        {{"/remove-log-in", "/s"}, Action::NotUnderstood},
        {{"/p"}, Action::NotUnderstood},
        {{"/p", "0"}, Action::NotUnderstood},
        {{"/p", "12ab"}, Action::NotUnderstood},
        {{"/p:"}, Action::NotUnderstood},
        {{"/s", "/c"}, Action::NotUnderstood},
        {{"/sx"}, Action::NotUnderstood},
        {{"/a"}, Action::NotUnderstood},
        {{"-s"}, Action::NotUnderstood},
        {{"clock"}, Action::NotUnderstood},
    };
    for (const Case& c : cases) {
        const ScreenSaverRequest request = ParseScreenSaverArguments(c.arguments);
        const std::string line = c.arguments.empty() ? "(none)" : c.arguments[0];
        EXPECT_EQ(request.action, c.action) << line;
        EXPECT_EQ(request.host, c.host) << line;
    }
    EXPECT_EQ(ParseScreenSaverArguments({"/p", "12ab"}).refused, "/p 12ab");
}

} // namespace
} // namespace hv
