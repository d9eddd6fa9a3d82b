// The data window's number work without a window: table text, graph
// values and axes, arrow geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "datawin/arrow_geometry.h"
#include "datawin/graph_values.h"
#include "datawin/table_text.h"
#include "engine/setup_model.h"

using namespace dw;

namespace {
constexpr double kPi = 3.14159265358979323846;

// A run at 5.0 against a resting black puck, N ticks.
struct Fixture {
    std::unique_ptr<sim::SampleLog> log = std::make_unique<sim::SampleLog>();
    RunData run;
    explicit Fixture(int N = 100)
    {
        for (int i = 1; i <= N; ++i)
            log->velocities[static_cast<size_t>(i)] = {5.0, 0.0, 0.0, kPi};
        run.log = log.get();
    }
};

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t p; (p = text.find('\n', start)) != std::string::npos; start = p + 1)
        out.push_back(text.substr(start, p - start));
    return out;
}
}   // namespace

TEST(TableText, DefaultColumnsAndTheRowsUpToTheTimeBar)
{
    Fixture f;
    TableChoice c;
    c.lastPosition = 100;
    const std::vector<std::string> l = lines(buildTableText(f.run, c));
    ASSERT_EQ(l.size(), 100u);   // header and samples 1 .. 99
    EXPECT_EQ(l[0], "time\tR Speed\tB Speed");
    EXPECT_EQ(l[2], "0.05\t5.00\t0.00");
    EXPECT_EQ(l[99].substr(0, 4), "4.90");
    c.lastPosition = 1;
    EXPECT_EQ(buildTableText(f.run, c), "time\tR Speed\tB Speed\n");
    // at 1 Hz only samples 1, 21, 41 ...
    c.lastPosition = 100;
    c.divisor = 20;
    const std::vector<std::string> hz = lines(buildTableText(f.run, c));
    ASSERT_EQ(hz.size(), 6u);
    EXPECT_EQ(hz[1].substr(0, 4), "0.00");
    EXPECT_EQ(hz[2].substr(0, 4), "1.00");
    EXPECT_EQ(hz[3].substr(0, 4), "2.00");
}

TEST(TableText, EveryColumnInOrderWithNoTrailingTab)
{
    Fixture f(5);
    f.log->velocities[2] = {3.0, -0.5, 4.0, 0.5236};
    f.log->compression[2] = 1.25;
    f.run.redMass = 2.0;
    f.run.blackMass = 0.5;
    f.run.springShown = true;
    TableChoice c;
    c.columns.fill(true);
    c.lastPosition = 3;
    std::vector<std::string> l = lines(buildTableText(f.run, c));
    EXPECT_EQ(l[0], "time\tR Speed\tR Angle\tR Energy\tR Mom\tB Speed\tB Angle\tB Energy\tB Mom\tCompression ");
    EXPECT_EQ(l[2], "0.05\t3.00\t-28.6\t9.00\t6.00\t4.00\t30.0\t4.00\t2.00\t1.25");
    c.radians = true;
    l = lines(buildTableText(f.run, c));
    EXPECT_EQ(l[2], "0.05\t3.00\t-0.500\t9.00\t6.00\t4.00\t0.524\t4.00\t2.00\t1.25");
    // no longer a spring mode: the compression goes although its box is ticked
    f.run.springShown = false;
    l = lines(buildTableText(f.run, c));
    EXPECT_EQ(l[0].find("Compression"), std::string::npos);
    EXPECT_NE(l[2].back(), '\t');
}

TEST(TableText, ThePushGrowsTheRedSpeedButNotItsMomentum)
{
    Fixture f(30);
    sim::SetupModel m;   // 5.0 N on 2.0 kg: 0.125 per tick
    m.tableAngle = 50;
    m.redMass = 20;
    m.dimension = 1;
    EXPECT_DOUBLE_EQ(m.pushGain(), 0.0);   // two masses: no push
    m.massCount = 1;
    f.run.g = m.pushGain();
    EXPECT_DOUBLE_EQ(f.run.g, 0.125);
    TableChoice c;
    c.columns = {true, false, true, true, false, false, false, false, false};
    c.lastPosition = 30;
    const std::vector<std::string> l = lines(buildTableText(f.run, c));
    EXPECT_EQ(l[1], "0.00\t5.00\t25.00\t10.00");
    EXPECT_EQ(l[9], "0.40\t6.00\t36.00\t10.00");
}

TEST(GraphValues, ComponentsSeriesAndThePush)
{
    Fixture f(10);
    f.log->velocities[3] = {2.0, kPi / 2, 4.0, kPi};
    EXPECT_NEAR(sampleValue(f.run, Velocity, XComponent, Red, 3, false), 0.0, 1e-12);
    EXPECT_NEAR(sampleValue(f.run, Velocity, YComponent, Red, 3, false), 2.0, 1e-12);   // up is positive
    EXPECT_NEAR(sampleValue(f.run, Momentum, XComponent, Black, 3, false), -8.0, 1e-12);
    EXPECT_NEAR(sampleValue(f.run, Energy, Scalar, Total, 3, false), 4.0 + 16.0, 1e-12);
    f.run.g = 0.5;
    EXPECT_NEAR(sampleValue(f.run, Velocity, Scalar, Red, 3, true), 3.0, 1e-12);
    EXPECT_NEAR(sampleValue(f.run, Velocity, Scalar, Red, 3, false), 2.0, 1e-12);
}

TEST(GraphValues, ExtremesStartAtZeroAndSeriesChooseTheirRange)
{
    Fixture f(50);
    for (int i = 26; i <= 50; ++i)
        f.log->velocities[static_cast<size_t>(i)] = {0.0, 0.0, 5.0, 0.0};   // the black one takes over
    const GraphExtremes e = computeGraphExtremes(f.run, XComponent, 50);
    EXPECT_DOUBLE_EQ(e.max[Velocity][Red], 5.0);
    EXPECT_DOUBLE_EQ(e.min[Velocity][Red], 0.0);
    EXPECT_DOUBLE_EQ(e.min[Momentum][Black], 0.0);
    EXPECT_DOUBLE_EQ(e.max[Momentum][Total], 10.0);
    EXPECT_DOUBLE_EQ(e.maxRB[Momentum], 10.0);
    EXPECT_DOUBLE_EQ(e.maxAll[Energy], 25.0);
    // Total Only reaches the total's extreme, Red And Black not
    Fixture g(20);
    for (int i = 1; i <= 20; ++i)
        g.log->velocities[static_cast<size_t>(i)] = {3.0, 0.0, 3.0, 0.0};
    const GraphExtremes both = computeGraphExtremes(g.run, XComponent, 20);
    EXPECT_DOUBLE_EQ(graphAxes(both, Velocity, TotalOnly, 603, 467, 20).top, 6.0);
    EXPECT_DOUBLE_EQ(graphAxes(both, Velocity, RedAndBlack, 603, 467, 20).top, 3.0);
    // only samples up to P count
    EXPECT_DOUBLE_EQ(computeGraphExtremes(f.run, XComponent, 25).max[Velocity][Black], 0.0);
}

TEST(GraphAxesTest, RangeStepsZeroLineAndPlacement)
{
    GraphExtremes e;
    auto axesFor = [&](double top, double bottom) {
        e.max[Velocity][Red] = top;
        e.min[Velocity][Red] = bottom;
        return graphAxes(e, Velocity, RedPuck, 603, 467, 100);
    };
    EXPECT_DOUBLE_EQ(axesFor(1.5, 0).range, 5.0);
    const GraphAxes three = axesFor(3, 0);
    EXPECT_DOUBLE_EQ(three.range, 3.0);
    EXPECT_EQ(three.step, 1);
    EXPECT_EQ(three.n, 4);
    EXPECT_EQ(axesFor(150, 0).step, 20);
    EXPECT_EQ(axesFor(250, 0).step, 20);
    EXPECT_EQ(axesFor(2600, 0).step, 500);
    EXPECT_EQ(axesFor(60, 0).step, 10);
    EXPECT_EQ(axesFor(600, 0).step, 50);
    EXPECT_EQ(axesFor(5000, 0).step, 500);   // up to 5000 as before
    // beyond, the step grows until the labels stand apart (432 px of plot)
    EXPECT_EQ(axesFor(5001, 0).step, 1000);
    EXPECT_EQ(axesFor(25000, 0).step, 1000);   // 17.3 px apart
    EXPECT_EQ(axesFor(30000, -1000).step, 2000);
    EXPECT_EQ(axesFor(100000, 0).step, 5000);
    EXPECT_EQ(axesFor(2e6, 0).step, 100000);
    for (double top : {5001.0, 9999.0, 25000.0, 77777.0, 1e6, 3.3e7, 1e9}) {
        const GraphAxes a = axesFor(top, 0);
        EXPECT_GE(a.step * a.sy, kLabelSpacing) << top;
        EXPECT_LE(a.n * a.step, top + 2 * a.step) << top;   // a handful of labels, not thousands
    }
    // all positive: the zero line on the baseline; negatives lift it
    const GraphAxes plus = axesFor(10, 0);
    EXPECT_EQ(plus.Y0, 442);
    EXPECT_EQ(plus.yz, plus.Y0);
    EXPECT_EQ(plus.y(10.0), 442 - 432);
    const GraphAxes minus = axesFor(6, -4);
    EXPECT_DOUBLE_EQ(minus.sy, 43.2);
    EXPECT_EQ(minus.yz, 442 - 173);   // Round(43.2 x -4) = -173
    EXPECT_EQ(minus.y(0.0), minus.yz);
    EXPECT_EQ(plus.x(1), 40);
    EXPECT_EQ(plus.x(101), 40 + 553);
}

TEST(ArrowGeometry, HalvesHeadsResultantAndSnapping)
{
    EXPECT_EQ(momentumHalf(10.0, 0.0, 10), (IPoint{50, 0}));
    EXPECT_EQ(momentumHalf(10.0, kPi / 2, 10), (IPoint{0, 50}));
    EXPECT_EQ(momentumHalf(0.0, 1.0, 10), (IPoint{0, 0}));
    EXPECT_EQ(momentumHalf(0.5, 0.0, 5), (IPoint{1, 0}));   // 1.25 rounds to 1
    EXPECT_EQ(momentumHalf(0.6, 0.0, 5), (IPoint{2, 0}));   // 1.5 rounds to the even 2

    // any typed number gives a drawable arrow, NaN none
    EXPECT_EQ(momentumHalf(1e308, 0.0, 10), (IPoint{10000, 0}));
    EXPECT_EQ(momentumHalf(-1e308, 0.0, 100), (IPoint{-10000, 0}));
    EXPECT_EQ(momentumHalf(std::nan(""), 0.0, 10), (IPoint{0, 0}));

    IPoint b1, b2;
    barbEnds(100, 100, 0.0, &b1, &b2);
    EXPECT_EQ(b1, (IPoint{91, 96}));
    EXPECT_EQ(b2, (IPoint{91, 104}));

    const Resultant left = resultantFrom({100, 100}, {40, 100}, 10);
    EXPECT_EQ(left.handle, (IPoint{70, 100}));
    EXPECT_EQ(left.half, (IPoint{30, 0}));
    EXPECT_DOUBLE_EQ(left.angle, kPi);
    EXPECT_EQ(left.momNumber, " 6.0");
    EXPECT_EQ(left.angleNumber, "180.0");
    const Resultant down = resultantFrom({10, 10}, {10, 50}, 10);
    EXPECT_DOUBLE_EQ(down.angle, 3 * kPi / 2);   // brought into 0 .. 2 pi
    const Resultant up = resultantFrom({10, 50}, {10, 10}, 20);
    EXPECT_DOUBLE_EQ(up.angle, kPi / 2);
    EXPECT_EQ(up.momNumber, " 2.0");
    EXPECT_EQ(down.angleNumber, "270.0");

    IPoint d;
    EXPECT_TRUE(snapShift({10, 10}, {14, 6}, 5, &d));
    EXPECT_EQ(d, (IPoint{4, -4}));
    EXPECT_FALSE(snapShift({10, 10}, {15, 10}, 5, &d));
    EXPECT_TRUE(snapShift({10, 10}, {15, 10}, 6, &d));
}

// Kept runs share the axes: the extremes hold every run's.
TEST(GraphExtremesTest, WideningTakesTheFartherOfEachExtreme)
{
    dw::GraphExtremes a, b;
    a.max[dw::Velocity][dw::Red] = 5.0;
    a.min[dw::Momentum][dw::Black] = -1.0;
    a.maxAll[dw::Velocity] = 5.0;
    b.max[dw::Velocity][dw::Red] = 3.0;
    b.min[dw::Momentum][dw::Black] = -4.0;
    b.maxAll[dw::Velocity] = 7.0;
    b.minRB[dw::Energy] = -2.0;
    dw::widenExtremes(a, b);
    EXPECT_EQ(a.max[dw::Velocity][dw::Red], 5.0);
    EXPECT_EQ(a.min[dw::Momentum][dw::Black], -4.0);
    EXPECT_EQ(a.maxAll[dw::Velocity], 7.0);
    EXPECT_EQ(a.minRB[dw::Energy], -2.0);
}
