#include "setup/model_view.h"

#include <QSignalBlocker>
#include <cmath>

#include "engine/numbers.h"
#include "setup/view_marks.h"
#include "ui/captions.h"
#include "ui/language.h"
#include "ui/widgets.h"

namespace {
QString tenths(int position)
{
    return QString::number(position / 10) + QLatin1Char(lang::decimalComma() ? ',' : '.')
        + QString::number(position % 10);
}

void setBar(QScrollBar* bar, int value)
{
    if (bar->value() == value)
        return;
    const QSignalBlocker quiet(bar);
    bar->setValue(value);
}

void setCaptionIfNew(QLabel* label, const QString& text)
{
    if (label->text() != text)
        setCaption(label, text);
}

// The caption of the entry tagged `value` in a submenu.
QString entryText(const QMenu* menu, int value)
{
    for (const QAction* a : menu->actions())
        if (a->data().toInt() == value)
            return a->text().remove(QLatin1Char('&'));
    return QString();
}

void setShown(std::initializer_list<QWidget*> widgets, bool shown)
{
    for (QWidget* w : widgets)
        if (w->isHidden() == shown)
            w->setVisible(shown);
}
}   // namespace

// the layout shows a fresh set-up, whatever the model holds
ModelView::ModelView(const sim::SetupModel& m, const sim::SimState& s, Controls& c) : m_(m), s_(s), c_(c), shown_() {}

void ModelView::show()
{
    showBars();
    showCaptions();
    showMenus();
    showPanel();
    showShapes();
    describeShapes();
    hideUnknown();
    shown_ = m_;
    if (shown)
        shown();
}

ModelView::Unknown ModelView::unknown() const
{
    if (!room_)
        return {};
    const sim::Disclosure d = room_->disclosure();
    return {d.blackMassHidden, d.percentHidden, d.launchHidden()};
}

// Captions that change only with their bar are written again when the unknown goes or comes.
void ModelView::hideUnknown()
{
    const Unknown u = unknown();
    const bool hiding = u.mass || u.percent || u.speed;
    if (hiding == unknownShown_)
        return;
    unknownShown_ = hiding;
    setCaption(c_.m2lb, u.mass ? tr("Mass 2: ? kg") : tr("Mass 2: %1 kg").arg(tenths(m_.blackMass)));
    setCaption(c_.percentlb,
               u.percent ? tr("?% Elastic collision") : tr("%1% Elastic collision").arg(m_.elasticPercent));
}

void ModelView::describeShapes()
{
    const QString unit = QString::fromLatin1(m_.unitText());
    // a widget's centre on the table, across from the left and down from the
    // top, as Set Up Exactly and the challenge key measure it
    auto place = [&](const QWidget* w) {
        const double x = (w->x() + w->width() / 2.0 - sim::kImageLeft) / s_.scale;
        const double y = (w->y() + w->height() / 2.0 - sim::kImageTop) / s_.scale;
        return tr("%1%2, %3%2").arg(lang::shown(num::F(x, 0, 1)), unit, lang::shown(num::F(y, 0, 1)));
    };
    auto degrees = [](double a) {
        const double d = std::fmod(std::fmod(a * 180.0 / sim::kPi, 360.0) + 360.0, 360.0);
        return lang::shown(num::F(d, 0, 0));
    };
    const struct {
        QWidget *puck, *handle;
        const char *puckText, *handleText;
        double direction;
        int speed;
    } pucks[] = {{c_.puck1, c_.redansh, QT_TR_NOOP("Red puck at %1, moving %2 degrees at %3%4/s"),
                  QT_TR_NOOP("Red velocity handle at %1, aiming the puck at %2 degrees"), s_.red.direction,
                  unknown().speed ? -1 : m_.redSpeed},
                 {c_.puck2, c_.blackansh, QT_TR_NOOP("Black puck at %1, moving %2 degrees at %3%4/s"),
                  QT_TR_NOOP("Black velocity handle at %1, aiming the puck at %2 degrees"), s_.black.direction,
                  m_.blackSpeed}};
    for (const auto& p : pucks) {
        p.puck->setAccessibleDescription(
            tr(p.puckText)
                .arg(place(p.puck), degrees(p.direction), numberOrHidden(p.speed < 0, tenths(p.speed)), unit));
        p.handle->setAccessibleDescription(tr(p.handleText).arg(place(p.handle), degrees(p.direction)));
    }
}

void ModelView::showBars()
{
    if (c_.tableangsb->maximum() != m_.tableAngleMaximum) {
        const QSignalBlocker quiet(c_.tableangsb);
        c_.tableangsb->setMaximum(m_.tableAngleMaximum);
    }
    setBar(c_.tableangsb, m_.tableAngle);
    const Unknown u = unknown();   // an unknown's bar stands at its start
    setBar(c_.persb, u.percent ? c_.persb->minimum() : m_.elasticPercent);
    setBar(c_.ksb, m_.springK);
    setBar(c_.lsb, m_.springLength);
    setBar(c_.c1sb, m_.redCharge);
    setBar(c_.c2sb, m_.blackCharge);
    setBar(c_.m1sb, m_.redMass);
    setBar(c_.m2sb, u.mass ? c_.m2sb->minimum() : m_.blackMass);
    setBar(c_.v1sb, u.speed ? c_.v1sb->minimum() : m_.redSpeed);
    setBar(c_.v2sb, m_.blackSpeed);
    if (c_.cbfreq->currentIndex() != m_.frequencyIndex) {
        const QSignalBlocker quiet(c_.cbfreq);
        c_.cbfreq->setCurrentIndex(m_.frequencyIndex);
    }
    c_.colltimer->setInterval(m_.intervalMs);
}

// A bar's caption changes when the bar moves (the charges keep their first
// caption until then); the speeds follow the unit and the angle the mode.
void ModelView::showCaptions()
{
    if (m_.redMass != shown_.redMass)
        setCaption(c_.m1lb, tr("Mass 1: %1 kg").arg(tenths(m_.redMass)));
    const Unknown u = unknown();
    if (m_.blackMass != shown_.blackMass && !u.mass)
        setCaption(c_.m2lb, tr("Mass 2: %1 kg").arg(tenths(m_.blackMass)));
    if (m_.redCharge != shown_.redCharge)
        setCaption(c_.c1lb, tr("Charge: %1").arg(lang::shown(num::F(m_.redCharge / 10.0, 0, 1))));
    if (m_.blackCharge != shown_.blackCharge)
        setCaption(c_.c2lb, tr("Charge: %1").arg(lang::shown(num::F(m_.blackCharge / 10.0, 0, 1))));
    if (m_.elasticPercent != shown_.elasticPercent && !u.percent)
        setCaption(c_.percentlb, tr("%1% Elastic collision").arg(m_.elasticPercent));
    if (m_.springK != shown_.springK)
        setCaption(c_.klb, tr("k: %1 N/m").arg(m_.springK));
    if (m_.springLength != shown_.springLength)
        setCaption(c_.llb, tr("Length: %1 cm").arg(lang::shown(num::F(m_.springLength / 20.0, 4, 2))));
    const QString unit = QString::fromLatin1(m_.unitText());
    setCaptionIfNew(c_.v1lb, tr("Velocity 1: %1%2/s").arg(numberOrHidden(u.speed, tenths(m_.redSpeed)), unit));
    setCaptionIfNew(c_.v2lb, tr("Velocity 2: %1%2/s").arg(tenths(m_.blackSpeed), unit));
    const int p = m_.tableAngle;
    if (m_.dimension == 1)
        setCaptionIfNew(c_.tableanglb, tr("Force: %1 N [R]").arg(lang::shown(num::F(p / 10.0, 3, 1))));
    else if (m_.angleCaptionPlain)
        setCaptionIfNew(c_.tableanglb, tr("Angle: 0.0") + QChar(0xBA));
    else
        setCaptionIfNew(c_.tableanglb, tr("Table Angle: %1").arg(lang::shown(num::F(p / 100.0, 4, 2))) + QChar(0xBA));
}

void ModelView::showMenus()
{
    using sim::Interaction;
    c_.typeMenu->setTitle(tr("&Type: %1").arg(entryText(c_.typeMenu, m_.dimension)));
    c_.massesMenu->setTitle(entryText(c_.massesMenu, m_.massCount));
    c_.springMenu->setTitle(m_.springEntry == 0
                                ? tr("1-D Spring")
                                : tr("1-D Spring: %1").arg(entryText(c_.springMenu, m_.springEntry).left(1)));
    c_.electroMenu->setTitle(m_.electroEntry == 1000
                                 ? tr("E&lectrostatic: Un")
                                 : tr("E&lectrostatic: %1").arg(entryText(c_.electroMenu, m_.electroEntry)));
    c_.speedMenu->setTitle(tr("Computer Speed: %1").arg(entryText(c_.speedMenu, m_.intervalMs).left(1)));
    c_.circleSizeMenu->setTitle(tr("Circle Size: %1").arg(entryText(c_.circleSizeMenu, m_.circleSize).left(1)));
    c_.scaleMenu->setTitle(tr("Scale: %1").arg(entryText(c_.scaleMenu, m_.scale)));
    c_.dotSizeMenu->setTitle(tr("\"Dot\" Size: (%1)").arg(entryText(c_.dotSizeMenu, m_.dotSize)));
    c_.frictionMenu->setTitle(tr("Circle friction: (%1)").arg(m_.circleFriction));

    const std::pair<QAction*, bool> checks[] = {
        {c_.springMenu->menuAction(), m_.springChecked},
        {c_.Elastic1, m_.interaction == Interaction::Elastic},
        {c_.Inelastic1, m_.interaction == Interaction::Inelastic},
        {c_.SemiElastic1, m_.interaction == Interaction::SemiElastic},
        {c_.electroMenu->menuAction(), m_.interaction == Interaction::Electrostatic},
        {c_.Circle1, m_.interaction == Interaction::Circle},
    };
    for (const auto& [action, on] : checks)
        action->setChecked(on);
    c_.PlottingError1->setChecked(m_.plottingError);
    c_.letterMarks1->setChecked(m_.letterMarks);
    for (const ViewMark& mark : kViewMarks)
        (c_.*(mark.action))->setChecked(m_.mark(mark.mark));
    c_.blackb->setVisible(m_.massCount == 2);
    c_.blackA->setVisible(m_.massCount == 2);
    c_.TraceBlock1->setVisible(m_.pushed());
    c_.ShowForce1->setVisible(m_.pushed());
}

void ModelView::showPanel()
{
    setShown({c_.tableangsb, c_.tableanglb}, m_.tableAngleShown);
    setShown({c_.persb, c_.percentlb}, m_.percentShown);
    setShown({c_.springgb}, m_.springBoxShown);
    setShown({c_.c1sb, c_.c1lb, c_.c2sb, c_.c2lb}, m_.chargesShown);
    setShown({c_.v1sb, c_.v1lb}, m_.redSpeedShown);
    setShown({c_.v2sb, c_.v2lb, c_.m2sb, c_.m2lb}, m_.blackBarsShown);
}

void ModelView::showShapes()
{
    const MovableShape::Kind kind = m_.dimension == 1 ? MovableShape::Kind::Square : MovableShape::Kind::Circle;
    for (MovableShape* puck : {c_.puck1, c_.puck2})
        if (puck->kind() != kind)
            puck->setKind(kind);
    c_.puck1->resize(m_.redSide(), m_.redSide());
    c_.puck2->resize(m_.blackSide(), m_.blackSide());
    c_.puck1->setLetter(m_.letterMarks ? QCoreApplication::translate("Pucks", "R") : QString());
    c_.puck2->setLetter(m_.letterMarks ? QCoreApplication::translate("Pucks", "B") : QString());
    c_.redansh->resize(m_.dotSize, m_.dotSize);
    c_.blackansh->resize(m_.dotSize, m_.dotSize);
}
