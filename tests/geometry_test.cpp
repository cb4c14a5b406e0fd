// The dial's geometry, the hand and tick templates and their rotation.
#include "clock/geometry.h"
#include "runtime/runtime.h"

#include <gtest/gtest.h>

#include <ostream>

namespace hv {

// Lets failures print points readably.
void PrintTo(const Point& p, std::ostream* os) { *os << '(' << p.x << ", " << p.y << ')'; }

namespace {

// The distance of a hand's flat tip from the centre.
int handLength(const PointList& hand) { return -hand.at(2).y; }

TEST(Geometry, CentreRadiusTickLengthAndHandLengthsFollowTheClientArea)
{
    const struct {
        int width, height;
        int centerX, centerY;
        float radius;
        int tick, hour, minute, second;
    } cases[] = {
        {1920, 1080, 960, 540, 535, 80, 294, 433, 455},
        {1366, 768, 683, 384, 379, 57, 208, 307, 322},
        // Portrait: the width decides.
        {768, 1366, 384, 683, 379, 57, 208, 307, 322},
        // Halves of the client size round to even.
        {1365, 768, 682, 384, 379, 57, 208, 307, 322},
        {1367, 768, 684, 384, 379, 57, 208, 307, 322},
        // Radii whose products are decimal ties.
        {1110, 1200, 555, 600, 550, 82, 303, 446, 467},
        {70, 100, 35, 50, 30, 4, 17, 24, 25},
        {110, 200, 55, 100, 50, 7, 28, 41, 42},
        {270, 300, 135, 150, 130, 19, 72, 105, 110},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << 'x' << c.height);
        const ClockGeometry g = geometryFor(c.width, c.height);
        EXPECT_EQ(g.centerX, c.centerX);
        EXPECT_EQ(g.centerY, c.centerY);
        EXPECT_EQ(g.radius, c.radius);
        EXPECT_EQ(g.tickLength, c.tick);
        EXPECT_EQ(handLength(g.hourHand), c.hour);
        EXPECT_EQ(handLength(g.minuteHand), c.minute);
        EXPECT_EQ(handLength(g.secondHand), c.second);
        const int r = static_cast<int>(c.radius);
        EXPECT_EQ(g.tickMark, (PointList{{0, -(r - c.tick)}, {0, -r}}));
    }
}

TEST(Geometry, TemplatesAreArrowsPointingAtTwelve)
{
    const ClockGeometry g = geometryFor(1920, 1080);
    EXPECT_EQ(g.hourHand, (PointList{{0, -25}, {-10, -30}, {-2, -294}, {2, -294}, {10, -30}}));
    EXPECT_EQ(g.minuteHand, (PointList{{0, -25}, {-6, -30}, {-2, -433}, {2, -433}, {6, -30}}));
    EXPECT_EQ(g.secondHand, (PointList{{0, -25}, {-4, -30}, {-2, -455}, {2, -455}, {4, -30}}));
    EXPECT_EQ(g.tickMark, (PointList{{0, -455}, {0, -535}}));
}

TEST(Geometry, ClientAreaBeyondSixteenBitsOverflows) { EXPECT_THROW(geometryFor(70000, 1080), RuntimeError); }

TEST(RotatePoints, TurnsClockwiseAboutTheOriginAndMovesToTheCentre)
{
    const ClockGeometry g = geometryFor(1920, 1080);
    const struct {
        const char* what;
        const PointList& shape;
        double angle;
        PointList expected;
    } cases[] = {
        {"tick at 1", g.tickMark, 30, {{1188, 146}, {1228, 77}}},
        {"tick at 11", g.tickMark, 330, {{732, 146}, {692, 77}}},
        {"tick at 11, turned back", g.tickMark, -30, {{732, 146}, {692, 77}}},
        {"tick at 5", g.tickMark, 150, {{1188, 934}, {1228, 1003}}},
        {"hour at 3", g.hourHand, 90, {{985, 540}, {990, 530}, {1254, 538}, {1254, 542}, {990, 550}}},
        {"hour at 12", g.hourHand, 0, {{960, 515}, {950, 510}, {958, 246}, {962, 246}, {970, 510}}},
        {"hour a full turn on", g.hourHand, 360, {{960, 515}, {950, 510}, {958, 246}, {962, 246}, {970, 510}}},
        {"hour at 6", g.hourHand, 180, {{960, 565}, {970, 570}, {962, 834}, {958, 834}, {950, 570}}},
        {"hour at 9", g.hourHand, -90, {{935, 540}, {930, 550}, {666, 542}, {666, 538}, {930, 530}}},
    };
    for (const auto& c : cases) {
        PointList placed{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}};
        rotatePoints(placed, c.shape, c.angle, g.centerX, g.centerY);
        EXPECT_EQ(placed, c.expected) << c.what;
    }
}

TEST(RotatePoints, PointsBeyondThirtyTwoBitsOverflow)
{
    PointList placed;
    EXPECT_THROW(rotatePoints(placed, {{0, -25}}, 0, 0, 3e9), RuntimeError);
}

} // namespace
} // namespace hv
