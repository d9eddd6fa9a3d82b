#include "datawin/momentum_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

#include "engine/numbers.h"
#include "ui/captions.h"
#include "ui/language.h"
#include "ui/platform.h"
#include "ui/widgets.h"

namespace {
using num::kPi;
const QColor kRed(255, 0, 0), kBlack(0, 0, 0), kBlue(0, 0, 255), kWhite(255, 255, 255), kYellow(255, 255, 0);
constexpr int kSurfaceX = 2, kSurfaceY = 18;   // the drawing surface inside the group

QString f41(double x)
{
    return lang::shown(num::F(x, 4, 1));
}

// A number as typed: plain decimal, optional sign, exponent and blanks;
// "nan" and "inf" are no numbers an arrow can be drawn from.
bool parseNumber(const QString& text, double* value)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(lang::typed(text.trimmed()), &ok);
    ok = ok && std::isfinite(v);
    if (ok)
        *value = v;
    return ok;
}
}   // namespace

MomentumPage::MomentumPage(PlatformServices& platform, dw::MomentumChoice& choice, QWidget* parent)
    : QWidget(parent), platform_(platform), choice_(choice), canvas_(581, 470)
{
    vectors = new QGroupBox(tr("Momentum Vectors:"), this);
    vectors->setGeometry(4, 2, 585, 492);
    momim = new PictureWidget(canvas_, vectors);
    momim->setGeometry(kSurfaceX, kSurfaceY, 581, 470);

    auto shape = [this](MovableShape::Kind kind, QColor brush, int x, int y, int side) {
        auto* s = new MovableShape(kind, vectors);
        s->setGeometry(x, y, side, side);
        s->setPenColor(kind == MovableShape::Kind::Circle && brush == kBlue ? kBlue : kBlack);
        s->setBrushColor(brush);
        return s;
    };
    for (int j = 1; j <= 8; ++j) {
        circles_[static_cast<size_t>(j)] = shape(MovableShape::Kind::Circle, kWhite, 0, 0, 7);
        circles_[static_cast<size_t>(j)]->hide();
    }
    const QColor brushes[] = {kWhite, kYellow, kWhite, kYellow, kBlue};
    for (int k = 1; k <= 5; ++k)
        handles_[static_cast<size_t>(k)] = shape(MovableShape::Kind::Square, brushes[k - 1], 0, 0, 7);
    circles_[9] = shape(MovableShape::Kind::Circle, kBlue, 0, 0, 7);
    circles_[10] = shape(MovableShape::Kind::Circle, kBlue, 0, 0, 7);
    // dragged by the mouse, or moved by the arrow keys through the same rules
    for (MovableShape* m :
         {handles_[1], handles_[2], handles_[3], handles_[4], handles_[5], circles_[9], circles_[10]}) {
        connect(m, &MovableShape::mouseDown, this, [this] { shapeDown(); });
        connect(m, &MovableShape::mouseUp, this, [this] { shapeUp(); });
        connect(m, &MovableShape::mouseMove, this, [this, m](int x, int y) { shapeMove(m, x, y); });
        m->setKeyboardMovable(true);
        connect(m, &MovableShape::keyMove, this, [this, m](int dx, int dy) {
            shapeDown();
            shapeMove(m, m->width() / 2 + dx, m->height() / 2 + dy);
            shapeUp();
        });
    }

    connectHeads();

    const int rx = 596;
    auto label = [this](int x, int y, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, 196, 18);
        return l;
    };
    label(rx, 4, tr("Scale:"));
    scalesb = new KeyScrollBar(Qt::Horizontal, this);
    scalesb->setGeometry(rx, 24, 196, 17);
    scalesb->setRange(1, 100);
    scalesb->setPageStep(10);
    scalesb->setValue(choice_.scale);
    timemomlb = label(rx, 50, tr("Time: 0 s"));
    timemomsb = new KeyScrollBar(Qt::Horizontal, this);
    timemomsb->setGeometry(rx, 70, 196, 17);
    timemomsb->setRange(1, 1);
    timemomsb->setPageStep(10);
    bvlb = label(rx, 100, tr("Blue Mom: 6"));
    balb = label(rx, 120, tr("Blue Angle : 0"));
    const struct {
        QColor colour;
        const char* text;
    } legend[] = {
        {kWhite, QT_TR_NOOP("At The Start")}, {kYellow, QT_TR_NOOP("At Time t")}, {kBlue, QT_TR_NOOP("Resultant")}};
    for (int i = 0; i < 3; ++i) {
        auto* sq = new MovableShape(MovableShape::Kind::Square, this);
        sq->setGeometry(rx, 150 + 20 * i + 4, 9, 9);
        sq->setBrushColor(legend[i].colour);
        sq->setAttribute(Qt::WA_TransparentForMouseEvents);
        sq->setAccessibleName(tr("%1 colour").arg(tr(legend[i].text)));
        label(rx + 16, 150 + 20 * i, tr(legend[i].text));
    }
    acb = new QGroupBox(tr("    Analyse your own"), this);
    acb->setGeometry(rx, 216, 200, 226);
    acb->setCheckable(true);
    auto edit = [this](int x, int y) {
        auto* e = new QLineEdit(acb);
        e->setGeometry(x, y, 60, 22);
        return e;
    };
    const char* rows[] = {QT_TR_NOOP("Red before"), QT_TR_NOOP("Red after"), QT_TR_NOOP("Black before"),
                          QT_TR_NOOP("Black after")};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(tr(rows[i]), acb);
        l->setGeometry(6, 44 + 44 * i, 80, 18);
    }
    auto* mh = new QLabel(tr("Mom."), acb);
    mh->setGeometry(90, 22, 50, 18);
    auto* ah = new QLabel(tr("Angle"), acb);
    ah->setGeometry(140, 22, 50, 18);
    rbv = edit(86, 42);
    rba = edit(134, 42);
    rav = edit(86, 86);
    raa = edit(134, 86);
    bbv = edit(86, 130);
    bba = edit(134, 130);
    bav = edit(86, 174);
    baa = edit(134, 174);
    auto* note = new QLabel(tr("* Set Momentum to zero for it to not show"), this);
    note->setGeometry(rx, 446, 200, 36);
    note->setWordWrap(true);

    // in the model's order: the momenta, then the angles
    QLineEdit* const edits[] = {rbv, rav, bbv, bav, rba, raa, bba, baa};
    for (int i = 0; i < 8; ++i) {
        QLineEdit* le = edits[i];
        connect(le, &QLineEdit::textChanged, this, [this, le, i](const QString& text) {
            choice_.typed[static_cast<size_t>(i)] = text.toStdString();
            editChanged(le, i % 4 + 1, i >= 4);
        });
        connect(le, &QLineEdit::editingFinished, this, [this, le] { editFinished(le); });
        // what the class types after, while the outcome is hidden, is its prediction
        if (i % 2 == 1)
            connect(le, &QLineEdit::textEdited, this, [this, i] {
                if (predicting())
                    typedPrediction(i % 4 + 1);
            });
    }
    showPlaces();
    connect(acb, &QGroupBox::toggled, this, [this](bool on) { choice_.analyseOwn = on; });
    connect(acb, &QGroupBox::clicked, this, [this] { recomputeArrows(); });
    connect(scalesb, &QScrollBar::valueChanged, this, [this](int v) {
        choice_.scale = v;
        recomputeArrows();
    });
    connect(timemomsb, &QScrollBar::valueChanged, this, [this](int v) {
        choice_.time = v;
        timeChanged();
    });
}

std::array<MovableShape*, 7> MomentumPage::placed() const
{
    return {handles_[1], handles_[2], handles_[3], handles_[4], handles_[5], circles_[9], circles_[10]};
}

void MomentumPage::showPlaces()
{
    const auto shapes = placed();
    for (size_t i = 0; i < shapes.size(); ++i)
        moveTo(shapes[i], choice_.places[i]);
    const QSignalBlocker quiet(acb);
    acb->setChecked(choice_.analyseOwn);
}

void MomentumPage::keepPlaces()
{
    const auto shapes = placed();
    for (size_t i = 0; i < shapes.size(); ++i)
        choice_.places[i] = at(shapes[i]);
}

void MomentumPage::showChoice(const dw::MomentumChoice& c)
{
    // the arrows' places first: every drawing below keeps the places it finds
    const auto shapes = placed();
    for (size_t i = 0; i < shapes.size(); ++i)
        moveTo(shapes[i], c.places[i]);
    acb->setChecked(c.analyseOwn);
    QLineEdit* const edits[] = {rbv, rav, bbv, bav, rba, raa, bba, baa};
    for (size_t i = 0; i < 8; ++i)
        edits[i]->setText(QString::fromStdString(c.typed[i]));
    scalesb->setValue(c.scale);
    timemomsb->setValue(c.time);
    recomputeResultant();
    recomputeArrows();
}

void MomentumPage::setDotSize(int side)
{
    for (int k = 1; k <= 5; ++k)
        handles_[static_cast<size_t>(k)]->resize(side, side);
    circles_[9]->resize(side, side);
    circles_[10]->resize(side, side);
}

dw::IPoint MomentumPage::at(const MovableShape* s) const
{
    return {s->x(), s->y()};
}

void MomentumPage::moveTo(MovableShape* s, dw::IPoint p)
{
    s->move(p.x, p.y);
}

void MomentumPage::editChanged(QLineEdit* edit, int k, bool angle)
{
    // An unfinished number ("-", ".", empty) keeps the last value; the
    // message waits until the field is left.
    double v = 0.0;
    if (!parseNumber(edit->text(), &v))
        return;
    if (angle) {
        ownAngle_[static_cast<size_t>(k)] = v * kPi / 180.0;
        momAngle_[static_cast<size_t>(k)] = ownAngle_[static_cast<size_t>(k)];
    } else {
        ownMom_[static_cast<size_t>(k)] = v;
    }
    recomputeArrows();
}

void MomentumPage::editFinished(QLineEdit* edit)
{
    double v = 0.0;
    if (!parseNumber(edit->text(), &v))
        platform_.showMessage(this, tr("'%1' is not a valid floating point value").arg(edit->text()));
}

void MomentumPage::startValues()
{
    const sim::VelocitySample& first = run_.log->velocities[1];
    const sim::VelocitySample& last = run_.log->velocities[static_cast<size_t>(N_)];
    readAngles(N_, true);
    momAngle_[5] = kPi;
    const dw::IPoint blue = at(handles_[5]);
    moveTo(circles_[9], {blue.x + 30, blue.y});
    moveTo(circles_[10], {blue.x - 30, blue.y});
    blueHalf_ = {30, 0};
    rbv->setText(f41(first.redSpeed * run_.redMass));
    bbv->setText(f41(first.blackSpeed * run_.blackMass));
    rba->setText(f41(momAngle_[1] * 180 / kPi));
    bba->setText(f41(momAngle_[3] * 180 / kPi));
    if (predicting()) {
        predictedTexts();   // the run's numbers after are not shown
    } else {
        rav->setText(f41(last.redSpeed * run_.redMass));
        bav->setText(f41(last.blackSpeed * run_.blackMass));
        raa->setText(f41(momAngle_[2] * 180 / kPi));
        baa->setText(f41(momAngle_[4] * 180 / kPi));
    }
    keepPlaces();
}

void MomentumPage::timeChanged()
{
    const int T = choice_.time;
    readAngles(T, false);   // typed angles before stay
    timemomlb->setText(timeCaption(T));
    recomputeArrows();
    drawMomentum();
}

void MomentumPage::readAngles(int T, bool before)
{
    const sim::VelocitySample& t = run_.log->velocities[static_cast<size_t>(T)];
    if (before) {
        const sim::VelocitySample& a = run_.log->velocities[1];
        momAngle_[1] = a.redDirection;
        momAngle_[3] = a.blackDirection;
    }
    momAngle_[2] = t.redDirection;
    momAngle_[4] = t.blackDirection;
}

void MomentumPage::recomputeArrows()
{
    const int s = choice_.scale;
    if (choice_.analyseOwn) {
        for (int k = 1; k <= 4; ++k)
            momHalf_[static_cast<size_t>(k)] =
                dw::momentumHalf(ownMom_[static_cast<size_t>(k)], ownAngle_[static_cast<size_t>(k)], s);
    } else if (run_.log) {
        const int T = choice_.time;
        const sim::VelocitySample& a = run_.log->velocities[1];
        const sim::VelocitySample& t = run_.log->velocities[static_cast<size_t>(T)];
        // the run's arrows whole: lengths and heads, whatever was typed
        readAngles(T, true);
        momHalf_[1] = dw::momentumHalf(a.redSpeed * run_.redMass, a.redDirection, s);
        momHalf_[2] = dw::momentumHalf(t.redSpeed * run_.redMass, t.redDirection, s);
        momHalf_[3] = dw::momentumHalf(a.blackSpeed * run_.blackMass, a.blackDirection, s);
        momHalf_[4] = dw::momentumHalf(t.blackSpeed * run_.blackMass, t.blackDirection, s);
    }
    if (predicting())
        predictedArrows();
    for (int k = 1; k <= 4; ++k)
        handles_[static_cast<size_t>(k)]->setVisible(!(momHalf_[static_cast<size_t>(k)] == dw::IPoint{}));
    showHeads();
    drawMomentum();
}

void MomentumPage::recomputeResultant()
{
    const dw::Resultant r = dw::resultantFrom(at(circles_[9]), at(circles_[10]), choice_.scale);
    moveTo(handles_[5], r.handle);
    blueHalf_ = r.half;
    momAngle_[5] = r.angle;
    bvlb->setText(tr("Blue mom.: %1").arg(QString::fromStdString(r.momNumber)));
    balb->setText(tr("Blue angle: %1").arg(QString::fromStdString(r.angleNumber)));
}

void MomentumPage::drawMomentum()
{
    Canvas& cv = canvas_;
    // the frame takes the pen the last drawing left (blue after any)
    cv.setBrushStyle(Canvas::BrushStyle::Solid);
    cv.setBrushColor(kWhite);
    cv.setPenWidth(1);
    cv.rectangle(0, 0, cv.width(), cv.height());
    for (int k = 1; k <= 4; ++k) {
        const dw::IPoint hp = at(handles_[static_cast<size_t>(k)]);
        const dw::IPoint d = momHalf_[static_cast<size_t>(k)];
        moveTo(circles_[static_cast<size_t>(2 * k - 1)], {hp.x - d.x, hp.y + d.y});
        moveTo(circles_[static_cast<size_t>(2 * k)], {hp.x + d.x, hp.y - d.y});
    }
    snap();
    cv.setPenWidth(2);
    const QColor pens[] = {kRed, kRed, kRed, kBlack, kBlack, kBlue};
    for (int k = 1; k <= 5; ++k) {
        if (handles_[static_cast<size_t>(k)]->isHidden())
            continue;
        cv.setPenColor(pens[k]);
        const dw::IPoint t = at(circles_[static_cast<size_t>(2 * k - 1)]);
        const dw::IPoint h = at(circles_[static_cast<size_t>(2 * k)]);
        const int tx = t.x + 4 - kSurfaceX, ty = t.y + 4 - kSurfaceY;
        const int hx = h.x + 4 - kSurfaceX, hy = h.y + 4 - kSurfaceY;
        cv.line(tx, ty, hx, hy);
        dw::IPoint b1, b2;
        dw::barbEnds(hx, hy, momAngle_[static_cast<size_t>(k)], &b1, &b2);
        cv.line(hx, hy, b1.x, b1.y);
        cv.line(hx, hy, b2.x, b2.y);
    }
    cv.setPenWidth(1);
    momim->update();
    keepPlaces();
}
