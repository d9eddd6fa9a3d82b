#include <gif_lib.h>

#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <cstring>

#include "engine/sim_state.h"
#include "experiment_fixture.h"
#include "experiments/challenge_dialog.h"

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

// Drawn without a window from the saved set-up, every mode's picture is the window's:
// the circle turns about the same handle, the push and its blocks stand where they stood.
TEST_F(PictureExportTest, EveryModesPictureFromTheCommandLineIsTheWindows)
{
    eachNewMode([&](const char* mode) {
        SCOPED_TRACE(mode);
        // the circle's launch by its handle and its friction are the window's, not the file's
        c().Resetbt->click();
        c().friction[0]->trigger();
        const QString col = path(QStringLiteral("mode.col")), png = path(QStringLiteral("mode.png"));
        platform.saveAnswers.push_back(col);
        c().Save1->trigger();
        box->loadSaveButton()->click();
        runAndPause(150);
        const Outcome out = slidora({"--export-image", "--experiment", col, "--ticks", "150", "--output", png});
        ASSERT_EQ(out.status, 0) << out.err.toStdString();
        QFile written(png);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(QImage::fromData(written.readAll()).convertToFormat(QImage::Format_RGB32), picture());
        c().Resetbt->click();
    });
}

TEST_F(PictureExportTest, BadPictureCommandLinesWriteNothing)
{
    const QString out = path("bad.png");
    expectRefused({{"--export-image", "--catalogue", "3", "--output", path("bad.gif")},
                   {"--export-image", "--catalogue", "3"},
                   {"--export-image", "--catalogue", "3", "--zoom", "5", "--output", out},
                   {"--export-image", "--catalogue", "3", "--columns", "all", "--output", out},
                   {"--export-trace", "--catalogue", "3", "--zoom", "2", "--output", out},
                   {"--export-image", "--experiment", path("missing.col"), "--output", out},
                   {"--export-animation", "--catalogue", "3", "--output", out},
                   {"--export-animation", "--catalogue", "3", "--every", "0", "--output", path("bad.gif")},
                   {"--export-image", "--catalogue", "3", "--every", "2", "--output", out},
                   {"--lab-sheet", "--catalogue", "3", "--output", out},
                   {"--lab-sheet", "--catalogue", "3", "--zoom", "2", "--output", path("bad.pdf")}},
                  out);
    EXPECT_FALSE(QFile::exists(path("bad.gif")));
}

}   // namespace

namespace {

// The frames a GIF shows, each drawn over the one before.
std::vector<QImage> decodeGif(const QByteArray& bytes, std::vector<int>* delays)
{
    struct Reader {
        const QByteArray* bytes;
        int at = 0;
    } reader{&bytes};
    auto read = [](GifFileType* g, GifByteType* to, int n) {
        auto* r = static_cast<Reader*>(g->UserData);
        n = std::min(n, static_cast<int>(r->bytes->size()) - r->at);
        std::memcpy(to, r->bytes->constData() + r->at, static_cast<size_t>(n));
        r->at += n;
        return n;
    };
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, read, &error);
    std::vector<QImage> frames;
    if (!gif || DGifSlurp(gif) == GIF_ERROR)
        return frames;
    QImage screen(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& f = gif->SavedImages[i];
        const ColorMapObject* map = f.ImageDesc.ColorMap ? f.ImageDesc.ColorMap : gif->SColorMap;
        for (int y = 0; y < f.ImageDesc.Height; ++y)
            for (int x = 0; x < f.ImageDesc.Width; ++x) {
                const GifColorType c = map->Colors[f.RasterBits[y * f.ImageDesc.Width + x]];
                screen.setPixel(f.ImageDesc.Left + x, f.ImageDesc.Top + y, qRgb(c.Red, c.Green, c.Blue));
            }
        GraphicsControlBlock gcb;
        DGifSavedExtensionToGCB(gif, i, &gcb);
        delays->push_back(gcb.DelayTime);
        frames.push_back(screen.copy());
    }
    DGifCloseFile(gif, &error);
    return frames;
}

TEST_F(PictureExportTest, TheAnimationsFramesAreThePicturesAtTheirTicks)
{
    runEntry(16);
    runAndPause(200);
    QString error;
    const QByteArray gif = window->animationGif(5, 1, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(gif.contains("NETSCAPE2.0"));   // it loops
    std::vector<int> delays;
    const std::vector<QImage> frames = decodeGif(gif, &delays);
    ASSERT_EQ(frames.size(), 40u);   // ticks 1, 6, ..., 196
    for (size_t j = 0; j < frames.size(); j += 13)
        EXPECT_EQ(frames[j], window->pictureAt(1 + 5 * static_cast<int>(j)).convertToFormat(QImage::Format_RGB32)) << j;
    EXPECT_EQ(delays.front(), 25);   // five ticks of 0.05 s
    const QString out = path("run.gif");
    ASSERT_EQ(
        slidora({"--export-animation", "--catalogue", "16", "--ticks", "200", "--every", "5", "--output", out}).status,
        0);
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), gif);
    // a whole run, every fifth tick
    ASSERT_EQ(slidora({"--export-animation", "--catalogue", "16", "--every", "5", "--output", out}).status, 0);
    EXPECT_LE(QFileInfo(out).size(), 2 * 1024 * 1024);
    // without --every a whole run keeps near the window's 400 frames
    const Outcome whole = slidora({"--export-animation", "--catalogue", "16", "--output", out});
    ASSERT_EQ(whole.status, 0);
    EXPECT_TRUE(whole.err.isEmpty());   // no progress but on a terminal
    QFile wholeGif(out);
    ASSERT_TRUE(wholeGif.open(QIODevice::ReadOnly));
    const size_t count = decodeGif(wholeGif.readAll(), &delays).size();
    EXPECT_LE(count, 400u);
    EXPECT_GT(count, 300u);

    // the File menu's entries write the same through the save dialog
    platform.saveAnswers = {path("menu.gif"), path("menu.svg")};
    c().saveAnimation1->trigger();
    c().savePicture1->trigger();
    QFile menuGif(path("menu.gif")), menuSvg(path("menu.svg"));
    ASSERT_TRUE(menuGif.open(QIODevice::ReadOnly) && menuSvg.open(QIODevice::ReadOnly));
    EXPECT_EQ(decodeGif(menuGif.readAll(), &delays).size(), 200u);   // a short run: every tick
    EXPECT_EQ(menuSvg.readAll(), window->pictureSvg());
}

// The words an SVG writes, and how many of its shapes are drawn in red.
QStringList svgWords(const QByteArray& svg, int* redShapes)
{
    QStringList words;
    const QString text = QString::fromUtf8(svg);
    for (const QRegularExpressionMatch& m : QRegularExpression("<text[^>]*>([^<]*)</text>").globalMatch(text))
        words << m.captured(1);
    *redShapes = static_cast<int>(text.count(QLatin1String("stroke=\"#ff0000\"")));
    return words;
}

bool anyRed(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == qRgb(255, 0, 0))
                return true;
    return false;
}

// The pictures keep a challenge's unknown as the windows do: the masses'
// labels (which weigh a hidden mass) are left out of the SVG, and no GIF
// frame before the contact shows the red puck whose launch speed is sought.
TEST_F(PictureExportTest, NoPictureShowsAChallengesUnknownUntilItIsRevealed)
{
    for (const sim::ChallengeKind kind : {sim::ChallengeKind::Mass, sim::ChallengeKind::Speed}) {
        SCOPED_TRACE(sim::challengeKindName(kind));
        ChallengeDialog& d = box->challengeDialog();
        d.setUp(kind, 3);
        window->rules().setMark(sim::LabelMassMark, true);   // as a menu would, were it not off
        runAndPause(316);
        const int contact = window->state().collisionTick;
        ASSERT_LT(contact, 316);
        auto look = [&](bool hidden) {
            int red = 0;
            const QStringList words = svgWords(window->pictureSvg(), &red);
            std::vector<int> delays;
            QString error;
            const std::vector<QImage> frames = decodeGif(window->animationGif(contact / 2, 1, &error), &delays);
            ASSERT_GE(frames.size(), 3u);
            if (kind == sim::ChallengeKind::Mass)
                EXPECT_EQ(words.filter(" kg").isEmpty(), hidden) << words.join('|').toStdString();
            else
                EXPECT_EQ(anyRed(frames[1]), !hidden);   // the frame halfway to the contact
        };
        look(true);
        for (int i = 0; i < 3; ++i) {
            d.answerField()->setText(QStringLiteral("1000"));
            d.checkButton()->click();
        }
        d.revealButton()->click();
        look(false);
        c().Resetbt->click();
    }
}

}   // namespace
