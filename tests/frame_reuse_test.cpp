// What an image canvas reuses between frames, seen from the pixels' side:
// once the frames settle, a frame that repeats the dial costs only what
// moved, and whatever breaks the pattern is drawn whole again.
#include "drawing/frame_reuse.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace hv;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

// Logs what frame reuse asks of the pixels; calls are named by their text.
class LoggedPixels : public FramePixels {
public:
    void wipe(Colour background) override { log.push_back("wipe " + std::to_string(background)); }
    void paint(const DrawingCall& call) override { log.push_back("paint " + call.text); }
    void redrawWithin(const PixelRegion& region, Colour, std::span<const DrawingCall* const> calls) override
    {
        const PixelRect r = region.bounds();
        std::string redrawn = "redraw " + std::to_string(r.left) + ',' + std::to_string(r.top) + ':';
        for (const DrawingCall* call : calls)
            redrawn += ' ' + call->text;
        log.push_back(redrawn);
    }
    std::vector<std::string> take() { return std::exchange(log, {}); }
    std::vector<std::string> log;
};

class FrameReuseTest : public ::testing::Test {
protected:
    void SetUp() override { reuse_.restart(200, 100, kBlack); }

    // A call known by its name, drawing somewhere of its own.
    void add(const std::string& name, int x, int y)
    {
        DrawingCall call;
        call.kind = DrawingCall::Kind::Text;
        call.text = name;
        reuse_.add(call, PixelRect{x, y, x + 4, y + 4});
    }
    // The dial and a second hand that moves every frame.
    void frame(int second, Colour background = kBlack)
    {
        reuse_.clear(background);
        add("dial", 0, 0);
        add("hour", 10, 0);
        add("second " + std::to_string(second), second, 50);
    }

    LoggedPixels pixels_;
    FrameReuse reuse_{pixels_};
};

TEST_F(FrameReuseTest, OnceTheDialRepeatsOnlyTheMovingHandIsDrawn)
{
    frame(0);
    EXPECT_THAT(pixels_.take(), ElementsAre("wipe 0", "paint dial", "paint hour", "paint second 0"));
    for (int second = 1; second < 20; ++second)
        frame(second);
    reuse_.takeChanges();
    pixels_.take();

    frame(20);
    reuse_.finish();
    EXPECT_THAT(pixels_.take(), ElementsAre("redraw 19,50:", "paint second 20"));
    EXPECT_THAT(
        reuse_.takeChanges().rects(), UnorderedElementsAre(PixelRect{19, 50, 23, 54}, PixelRect{20, 50, 24, 54}));
}

TEST_F(FrameReuseTest, AFrameThatStopsShortOfWhatItReusesIsDrawnAgain)
{
    for (int second = 0; second < 20; ++second)
        frame(second);
    pixels_.take();

    // A frame that failed after its dial: nothing of the last frame's hand
    // may stay.
    reuse_.clear(kBlack);
    add("dial", 0, 0);
    EXPECT_THAT(pixels_.take(), ::testing::IsEmpty());
    reuse_.finish();
    EXPECT_THAT(pixels_.take(), ElementsAre("wipe 0", "paint dial"));
}

TEST_F(FrameReuseTest, ANewBackgroundIsWipedAtOnceAndDrawnWhole)
{
    for (int second = 0; second < 20; ++second)
        frame(second);
    pixels_.take();

    frame(20, kWhite);
    EXPECT_THAT(pixels_.take(), ElementsAre("wipe 16777215", "paint dial", "paint hour", "paint second 20"));
    EXPECT_THAT(reuse_.takeChanges().rects(), ElementsAre(PixelRect{0, 0, 200, 100}));
    frame(21);
    EXPECT_THAT(pixels_.take(), ElementsAre("wipe 0", "paint dial", "paint hour", "paint second 21"));
}

} // namespace
