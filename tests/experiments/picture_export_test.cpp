#include <QRegularExpression>

#include "engine/sim_state.h"
#include "experiment_fixture.h"

namespace {

class PictureExportTest : public ExperimentTest {
protected:
    QImage picture() const { return window->tableCanvas().image().convertToFormat(QImage::Format_RGB32); }
    // The dots a pass draws: each puck's strobe samples off the contact, inside the picture.
    int dotsDrawn() const
    {
        const sim::SimState& st = window->state();
        const int divisor = sim::strobeDivisor(st, window->model().frequencyIndex);
        int dots = 0;
        for (int k = 1; k <= st.viewTick; k += divisor) {
            const sim::PositionSample& e = st.sampleLog.positions[static_cast<size_t>(k)];
            for (const auto& [x, y] : {std::pair{e.redX, e.redY}, std::pair{e.blackX, e.blackY}})
                if (k != st.collisionTick && x + 2 >= 0 && y + 2 >= 0 && x - 2 < 759 && y - 2 < 367)
                    ++dots;
        }
        return dots;
    }
};

TEST_F(PictureExportTest, ThePngIsTheWindowsPictureAndTheSvgDrawsItsDots)
{
    for (const int entry : {1, 6, 16}) {
        SCOPED_TRACE(entry);
        runEntry(entry);
        runAndPause(150);
        const QImage shown = picture();
        EXPECT_EQ(QImage::fromData(window->picturePng()).convertToFormat(QImage::Format_RGB32), shown);
        // from the command line, with no display, the same run gives the same picture
        const QString png = path("run.png"), svgFile = path("run.svg");
        ASSERT_EQ(slidora({"--export-image", "--catalogue", QString::number(entry), "--ticks", "150", "--output", png})
                      .status,
                  0);
        QFile written(png);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(QImage::fromData(written.readAll()).convertToFormat(QImage::Format_RGB32), shown);

        const QImage twice = QImage::fromData(window->picturePng(2)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(twice.size(), shown.size() * 2);
        bool blocks = true;
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width(); ++x)
                blocks = blocks && twice.pixel(x, y) == shown.pixel(x / 2, y / 2);
        EXPECT_TRUE(blocks);

        const QString svg = QString::fromUtf8(window->pictureSvg());
        EXPECT_EQ(picture(), shown);   // drawn again for the SVG, the picture is as it was
        const QRegularExpression dot(
            R"re(<ellipse cx="([\d.]+)" cy="([\d.]+)" rx="1.5" ry="1.5"[^>]*stroke="#(\w+)")re");
        int dots = 0;
        for (auto it = dot.globalMatch(svg); it.hasNext(); ++dots) {
            const QRegularExpressionMatch m = it.next();
            const int cx = static_cast<int>(m.captured(1).toDouble()), cy = static_cast<int>(m.captured(2).toDouble());
            // the outline's left pixel, on the dot's row, in the stroke's colour
            EXPECT_EQ(QColor(shown.pixel(cx - 2, cy)).name(), "#" + m.captured(3)) << cx << "," << cy;
        }
        EXPECT_EQ(dots, dotsDrawn());
        EXPECT_GT(dots, 10);
        ASSERT_EQ(slidora({"--export-image", "--catalogue", QString::number(entry), "--ticks", "150", "--zoom", "3",
                           "--output", svgFile})
                      .status,
                  0);
        QFile vector(svgFile);
        ASSERT_TRUE(vector.open(QIODevice::ReadOnly));
        EXPECT_TRUE(vector.readAll().contains("width=\"2277\" height=\"1101\" viewBox=\"0 0 759 367\""));
        c().Resetbt->click();
    }
}

TEST_F(PictureExportTest, BadPictureCommandLinesWriteNothing)
{
    const QString out = path("bad.png");
    expectRefused({{"--export-image", "--catalogue", "3", "--output", path("bad.gif")},
                   {"--export-image", "--catalogue", "3"},
                   {"--export-image", "--catalogue", "3", "--zoom", "5", "--output", out},
                   {"--export-image", "--catalogue", "3", "--columns", "all", "--output", out},
                   {"--export-trace", "--catalogue", "3", "--zoom", "2", "--output", out},
                   {"--export-image", "--experiment", path("missing.col"), "--output", out}},
                  out);
    EXPECT_FALSE(QFile::exists(path("bad.gif")));
}

}   // namespace
