#include "setup/run_control.h"

#include "engine/numbers.h"
#include "setup/reset.h"
#include "ui/captions.h"
#include "ui/language.h"
#include "ui/widgets.h"

RunControl::RunControl(ClassroomHub& hub, Controls& c, Operations& ops)
    : m_(hub.room().model()), s_(hub.commands().runState()), c_(c), ops_(ops), hub_(hub), room_(hub.room())
{
    // Every label a run can show, built once: a timer event then only
    // shares one of them and allocates nothing for its text.
    timeTexts_.reserve(sim::kTickCeiling + 1);
    const QString label = timeCaptionPattern();   // timeCaption(t + 1), built fast
    const qsizetype at = label.indexOf(QLatin1String("%1"));
    const QString head = label.left(at), tail = label.mid(at + 2);
    char buf[40];
    for (int t = 0; t <= sim::kTickCeiling; ++t) {
        const int n = num::formatFixed(buf, sizeof buf, sim::secondsAt(t + 1), 5, 2);
        timeTexts_.push_back(head + lang::shown(QString::fromLatin1(buf, n)) + tail);
    }
    // The spring shows at most its full length, 200 px or 10.00 cm.
    springTexts_.reserve(1001);
    for (int h = 0; h <= 1000; ++h)
        springTexts_.push_back(springCaption(h / 100.0));
    springOutOfReach_ = springOutOfReachCaption();
    touchedText_ = tr("The pucks touched.");
}

void RunControl::showSpringReading()
{
    const sim::SimState::SpringReading& r = s_.springReading;
    if (!r.colon) {
        if (c_.slb->text() != springOutOfReach_)
            setCaption(c_.slb, springOutOfReach_);
        return;
    }
    // The reading's own rounding, read back as hundredths: the shared text
    // is the one F would give, and nothing is allocated.
    char buf[32];
    const int n = num::formatFixed(buf, sizeof buf, r.cm, 4, 2);
    int hundredths = 0;
    bool plain = n > 0 && n < static_cast<int>(sizeof buf);
    for (int i = 0; plain && i < n; ++i) {
        if (buf[i] >= '0' && buf[i] <= '9')
            hundredths = hundredths * 10 + (buf[i] - '0');
        else if (buf[i] != ' ' && buf[i] != '.')
            plain = false;
        if (hundredths > 1000)
            plain = false;
    }
    if (plain) {
        if (c_.slb->text() != springTexts_[static_cast<size_t>(hundredths)])
            setCaption(c_.slb, springTexts_[static_cast<size_t>(hundredths)]);
    } else {
        setCaption(c_.slb, springCaption(r.cm));
    }
}

void RunControl::start()
{
    if (c_.delaytimer1->isActive() && ops_.toggleReplay)
        ops_.toggleReplay();
    hub_.run(&sim::Classroom::pressStart);
    const bool running = room_.clock().running;   // the timer only drives the classroom's clock
    c_.colltimer->setInterval(m_.intervalMs * room_.clock().paceFactor(s_.tick));
    if (running)
        c_.colltimer->start();
    else
        c_.colltimer->stop();
    c_.Startbt->setText(running ? tr("&Stop") : tr("&Continue"));
    hideShapes();
    sayRunStatus();
    if (ops_.runStageChanged)
        ops_.runStageChanged();
}

QString RunControl::predictText()
{
    return tr("Predict the outcome, then press Reveal");
}

const QString& RunControl::timeText(int tick)
{
    return timeTexts_[static_cast<size_t>(tick < 0 ? 0 : (tick > sim::kTickCeiling ? sim::kTickCeiling : tick))];
}

void RunControl::timerEvent()
{
    sim::runEvent(s_, *this);
    hub_.run(&sim::Classroom::showRunTick);
    // slow motion changes only how long the next event waits
    const int interval = m_.intervalMs * room_.clock().paceFactor(s_.tick);
    if (c_.colltimer->interval() != interval)
        c_.colltimer->setInterval(interval);
    if (s_.interactionMode == sim::Interaction::Spring1D)
        showSpringReading();
    const QString& t = timeText(s_.tick);   // the time of sample tick + 1, as the clock's
    if (c_.Timelb->text() != t)
        setCaption(c_.Timelb, t);
    if (!touchedSaid_ && s_.collisionTick != s_.noCollisionTick) {
        touchedSaid_ = true;
        c_.Startbt->setAccessibleDescription(touchedText_);
    }
    if (hub_.run(&sim::Classroom::watchOutcome).any())
        start();   // held as by Stop, before anything of the outcome is drawn
}

void RunControl::hideShapes()
{
    for (QWidget* w :
         {static_cast<QWidget*>(c_.puck1), static_cast<QWidget*>(c_.puck2), static_cast<QWidget*>(c_.redansh),
          static_cast<QWidget*>(c_.blackansh), static_cast<QWidget*>(c_.velsh)})
        w->hide();
}

void RunControl::sayRunStatus()
{
    const sim::Disclosure d = room_.disclosure();
    if (d.held()) {
        c_.Startbt->setAccessibleDescription(predictText());
        return;
    }
    RunStatus status = atLimit_ ? RunStatus::Ended : RunStatus::Stopped;
    if (room_.clock().running) {
        touchedSaid_ = s_.collisionTick != s_.noCollisionTick;   // a contact is told once
        status = sim::runStarted(s_) ? RunStatus::Continued : RunStatus::Started;
    }
    c_.Startbt->setAccessibleDescription(runStatusCaption(status, s_, m_, d.launchHiddenAt(s_.viewTick)));
}

void RunControl::showClock()
{
    const sim::Clock& clock = room_.clock();
    setCaption(c_.Timelb, clock.shownSample > 0 ? timeCaption(clock.shownSample) : TableReset::startTime());
    if (clock.springShown)
        setCaption(c_.slb, clock.spring.colon ? springCaption(clock.spring.cm) : springOutOfReach_);
}
