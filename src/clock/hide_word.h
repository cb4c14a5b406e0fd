#pragma once
// Watches the keys typed into the clock window for the word hide. It works
// on key codes, not characters, so Shift, Ctrl, Alt and Caps Lock are keys
// of their own: pressing one between letters cancels the word.
#include <cstdint>

namespace hv {

namespace vk {
inline constexpr std::int16_t kEscape = 27;
inline constexpr std::int16_t kShift = 16;
inline constexpr std::int16_t kControl = 17;
inline constexpr std::int16_t kMenu = 18; // Alt
inline constexpr std::int16_t kCapital = 20; // Caps Lock
inline constexpr std::int16_t kH = 72;
inline constexpr std::int16_t kI = 73;
inline constexpr std::int16_t kD = 68;
inline constexpr std::int16_t kE = 69;
} // namespace vk

class HideWord {
public:
    // Feeds one key; true when it completes the word.
    bool feed(std::int16_t keyCode);
    void reset()
    {
        typing_ = false;
        stage_ = 0;
    }

    bool typing() const { return typing_; }
    std::int16_t stage() const { return stage_; }

    static bool isLetterOfWord(std::int16_t keyCode)
    {
        return keyCode == vk::kH || keyCode == vk::kI || keyCode == vk::kD || keyCode == vk::kE;
    }

private:
    bool typing_ = false;
    std::int16_t stage_ = 0;
};

} // namespace hv
