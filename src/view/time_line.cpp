#include "view/time_line.h"

#include <QEvent>

#include "engine/numbers.h"

TimeLine::TimeLine(sim::SimState& s, Controls& c, Operations& ops) : s_(s), c_(c), ops_(ops) {}

void TimeLine::connectAll()
{
    QObject::connect(c_.Timesb, &QScrollBar::valueChanged, this, [this] { timeLineChanged(); });
    c_.Timesb->installEventFilter(this);
    QObject::connect(c_.dstartbt, &QPushButton::clicked, this, [this] { toggleReplay(); });
    QObject::connect(c_.delaytimer1, &QTimer::timeout, this, [this] { replayTimerEvent(); });
    QObject::connect(c_.replaysb, &QScrollBar::valueChanged, this, [this] { replayPaceChanged(); });
    QObject::connect(c_.cbfreq, &QComboBox::currentIndexChanged, this, [this] { frequencyChanged(); });
}

bool TimeLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == c_.Timesb && event->type() == QEvent::FocusIn)
        timeLineEntered();
    return false;
}

void TimeLine::timeLineChanged()
{
    const int pos = c_.Timesb->value();
    setCaption(c_.Timelb,
               QStringLiteral("Time: ") + QString::fromStdString(num::F((pos - 1) * 0.05, 5, 2))
                   + QStringLiteral(" s"));
    s_.viewTick = pos;
    if (!c_.springgb->isHidden()) {
        const double v = pos > 1 ? s_.sampleLog.compression[static_cast<size_t>(pos - 1)] : 0.0;
        setCaption(c_.slb,
                   QStringLiteral("Spring Compressed: ") + QString::fromStdString(num::F(v, 4, 2))
                       + QStringLiteral(" cm"));
    }
    if (c_.colltimer->isActive())
        ops_.start();
    if (c_.Circle1->isChecked())
        ops_.circleStep();
    else
        ops_.renderTrace();
}

void TimeLine::timeLineEntered()
{
    if (c_.colltimer->isActive())
        ops_.start();
}

void TimeLine::toggleReplay()
{
    if (s_.tick <= 1)
        return;
    if (c_.delaytimer1->isActive())
        c_.delaytimer1->stop();
    else
        c_.delaytimer1->start();
    c_.dstartbt->setText(c_.delaytimer1->isActive() ? QStringLiteral("Stop") : QStringLiteral("Replay"));
}

void TimeLine::replayTimerEvent()
{
    c_.Timesb->setValue(c_.Timesb->value() + 1);
    if (c_.Timesb->value() == c_.Timesb->maximum()) {
        c_.delaytimer1->stop();
        c_.Timesb->setValue(1);
        c_.dstartbt->setText(QStringLiteral("Replay"));
    }
}

void TimeLine::replayPaceChanged()
{
    c_.delaytimer1->setInterval(50 + 10 * c_.replaysb->value());
}

void TimeLine::frequencyChanged()
{
    ops_.renderTrace();
    if (c_.Circle1->isChecked())
        ops_.circleStep();
}
