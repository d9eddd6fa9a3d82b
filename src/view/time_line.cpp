#include "view/time_line.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "engine/numbers.h"
#include "engine/run.h"
#include "ui/captions.h"
#include "ui/widgets.h"

TimeLine::TimeLine(sim::SetupRules& rules, ClassroomHub& hub, const TimeLineControls& c, Operations& ops)
    : rules_(rules), hub_(hub), c_(c), ops_(ops)
{}

void TimeLine::connectAll()
{
    QObject::connect(c_.timeLine, &QScrollBar::valueChanged, this, [this] { timeLineChanged(); });
    c_.timeLine->installEventFilter(this);
    QObject::connect(c_.replay, &QPushButton::clicked, this, [this] { toggleReplay(); });
    QObject::connect(c_.replayTimer, &QTimer::timeout, this, [this] { replayTimerEvent(); });
    QObject::connect(c_.replayPace, &QScrollBar::valueChanged, this, [this] { replayPaceChanged(); });
    QObject::connect(c_.frequency, &QComboBox::currentIndexChanged, this,
                     [this](int index) { frequencyChanged(index); });
}

bool TimeLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == c_.timeLine && event->type() == QEvent::FocusIn)
        timeLineEntered();
    return false;
}

void TimeLine::timeLineChanged()
{
    hub_.run(&sim::Classroom::setTimeLine, c_.timeLine->value());
    const sim::Clock& clock = hub_.room().clock();
    setCaption(c_.timeLabel, timeCaption(clock.shownSample));
    if (rules_.model().springBoxShown)
        setCaption(c_.springLabel, springCaption(clock.spring.cm));
    if (c_.runTimer->isActive())
        ops_.start();
    if (rules_.model().interaction == sim::Interaction::Circle)
        ops_.circleStep();
    else
        ops_.renderTrace();
}

void TimeLine::timeLineEntered()
{
    if (c_.runTimer->isActive())
        ops_.start();
}

void TimeLine::toggleReplay()
{
    if (!sim::runStarted(hub_.room().state()))
        return;
    if (c_.replayTimer->isActive())
        c_.replayTimer->stop();
    else
        c_.replayTimer->start();
    hub_.run(&sim::Classroom::setReplaying, c_.replayTimer->isActive());
    c_.replay->setText(c_.replayTimer->isActive() ? tr("Stop") : tr("Replay"));
}

void TimeLine::replayTimerEvent()
{
    c_.timeLine->setValue(c_.timeLine->value() + 1);
    const int interval = (50 + 10 * c_.replayPace->value()) * hub_.room().clock().paceFactor(c_.timeLine->value());
    if (c_.replayTimer->interval() != interval)
        c_.replayTimer->setInterval(interval);
    if (c_.timeLine->value() == c_.timeLine->maximum()) {
        c_.replayTimer->stop();
        hub_.run(&sim::Classroom::setReplaying, false);
        c_.timeLine->setValue(1);
        c_.replay->setText(tr("Replay"));
    }
}

void TimeLine::replayPaceChanged()
{
    c_.replayTimer->setInterval(50 + 10 * c_.replayPace->value());
}

void TimeLine::frequencyChanged(int index)
{
    rules_.setFrequencyIndex(index);
    ops_.renderTrace();
    if (rules_.model().interaction == sim::Interaction::Circle)
        ops_.circleStep();
}
