// The detector of the word hide, fed with key codes.
#include "clock/hide_word.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace hv {
namespace {

constexpr std::int16_t H = vk::kH, I = vk::kI, D = vk::kD, E = vk::kE;
constexpr std::int16_t X = 88;

struct Fed {
    int completions = 0;
    bool typing = false;
    std::int16_t stage = 0;
};

Fed feed(std::initializer_list<std::int16_t> keys)
{
    HideWord word;
    Fed fed;
    for (auto key : keys)
        fed.completions += word.feed(key) ? 1 : 0;
    fed.typing = word.typing();
    fed.stage = word.stage();
    return fed;
}

TEST(HideWord, CompletesOnlyOnTheLettersInTurn)
{
    const struct {
        const char* what;
        std::initializer_list<std::int16_t> keys;
        int completions;
        std::int16_t stageAfter;
    } cases[] = {
        {"hide", {H, I, D, E}, 1, 0},
        {"Caps Lock pressed first", {vk::kCapital, H, I, D, E}, 1, 0},
        {"Shift held from before", {vk::kShift, H, I, D, E}, 1, 0},
        {"Shift pressed anew between letters", {H, vk::kShift, I, D, E}, 0, 0},
        {"Caps Lock toggled midway", {H, I, vk::kCapital, D, E}, 0, 0},
        {"Ctrl between letters", {H, I, D, vk::kControl, E}, 0, 0},
        {"Esc between letters", {H, I, vk::kEscape, D, E}, 0, 0},
        {"hhide: the second H cancels", {H, H, I, D, E}, 0, 0},
        {"hhhide: the third H starts again", {H, H, H, I, D, E}, 1, 0},
        {"hidhide: H in the middle cancels", {H, I, D, H, I, D, E}, 0, 0},
        {"hixde", {H, I, X, D, E}, 0, 0},
        {"hie then de: an early E changes nothing", {H, I, E, D, E}, 1, 0},
        {"hidee", {H, I, D, E, E}, 1, 0},
        {"hidehide", {H, I, D, E, H, I, D, E}, 2, 0},
        {"ide", {I, D, E}, 0, 0},
        {"hid", {H, I, D}, 0, 3},
        {"hi then E", {H, I, E}, 0, 2},
        // Numpad keys share the codes of the lower-case letters.
        {"numpad 8 9 4 5", {104, 105, 100, 101}, 0, 0},
    };
    for (const auto& c : cases) {
        const Fed fed = feed(c.keys);
        EXPECT_EQ(fed.completions, c.completions) << c.what;
        EXPECT_EQ(fed.stage, c.stageAfter) << c.what;
        // Typing is under way exactly while some letters are matched.
        EXPECT_EQ(fed.typing, fed.stage != 0) << c.what;
    }
}

} // namespace
} // namespace hv
