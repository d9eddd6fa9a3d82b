#include "ui/captions.h"

#include <QCoreApplication>

#include "engine/disclosure.h"
#include "engine/numbers.h"
#include "ui/language.h"

QString timeCaptionPattern()
{
    return QCoreApplication::translate("Captions", "Time: %1 s");
}

QString timeCaption(int position, int width)
{
    return timeCaptionPattern().arg(lang::shown(num::F(sim::secondsAt(position), width, 2)));
}

namespace {
QString springCaptionPattern()
{
    return QCoreApplication::translate("Captions", "Spring Compressed: %1 cm");
}
}   // namespace

QString springCaption(double cm)
{
    return springCaptionPattern().arg(lang::shown(num::F(cm, 4, 2)));
}

QString speedCaption(double v, const char* unit)
{
    return lang::shown(num::F(v, 0, 1)) + QLatin1String(unit) + QStringLiteral("/s");
}

QString runStatusCaption(RunStatus status, const sim::SimState& s, const sim::SetupModel& m, bool redKept)
{
    const QString time = lang::shown(num::F(sim::secondsAt(s.tick + 1), 0, 2)) + QStringLiteral(" s");
    switch (status) {
    case RunStatus::Started: return QCoreApplication::translate("Captions", "Run started.");
    case RunStatus::Continued: return QCoreApplication::translate("Captions", "Run continued at %1.").arg(time);
    case RunStatus::Stopped:
    case RunStatus::Ended: break;
    }
    const bool ended = status == RunStatus::Ended;
    const sim::VelocitySample& v = s.sampleLog.velocities[static_cast<size_t>(s.viewTick)];
    const QString red = speedCaptionOrHidden(redKept, m.redSpeedAt(v.redSpeed, s.viewTick), m.unitText());
    if (m.blackOnTable())
        return (ended ? QCoreApplication::translate("Captions", "Run ended at its last tick, %1. Red %2, black %3.")
                      : QCoreApplication::translate("Captions", "Run stopped at %1. Red %2, black %3."))
            .arg(time, red, speedCaption(v.blackSpeed, m.unitText()));
    return (ended ? QCoreApplication::translate("Captions", "Run ended at its last tick, %1. Red %2.")
                  : QCoreApplication::translate("Captions", "Run stopped at %1. Red %2."))
        .arg(time, red);
}

QString springOutOfReachCaption()
{
    return QCoreApplication::translate("Captions", "Spring Compressed 0.00 cm");
}

QString numberOrHidden(bool hidden, const QString& number)
{
    return hidden ? QString::fromLatin1(sim::kHiddenNumber) : number;
}

QString speedCaptionOrHidden(bool hidden, double v, const char* unit)
{
    return hidden ? numberOrHidden(true, QString()) + QLatin1String(unit) + QStringLiteral("/s")
                  : speedCaption(v, unit);
}
