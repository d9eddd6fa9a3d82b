#include "ui/captions.h"

#include <QCoreApplication>

#include "engine/numbers.h"

QString timeCaptionPattern()
{
    return QCoreApplication::translate("Captions", "Time: %1 s");
}

QString timeCaption(int position, int width)
{
    return timeCaptionPattern().arg(QString::fromStdString(num::F((position - 1) * 0.05, width, 2)));
}

namespace {
QString springCaptionPattern()
{
    return QCoreApplication::translate("Captions", "Spring Compressed: %1 cm");
}

// The figure standing for %1 in `shown`, or a null string when `pattern`
// is not what was shown.
QString figureIn(const QString& shown, const QString& pattern)
{
    const qsizetype at = pattern.indexOf(QLatin1String("%1"));
    const QString head = pattern.left(at), tail = pattern.mid(at + 2);
    if (at < 0 || !shown.startsWith(head) || !shown.endsWith(tail) || shown.size() < head.size() + tail.size())
        return QString();
    return shown.mid(head.size(), shown.size() - head.size() - tail.size());
}
}   // namespace

QString springCaption(double cm)
{
    return springCaptionPattern().arg(QString::fromStdString(num::F(cm, 4, 2)));
}

QString speedCaption(double v, const char* unit)
{
    return QString::fromStdString(num::F(v, 0, 1)) + QLatin1String(unit) + QStringLiteral("/s");
}

CaptionWords captionWords()
{
    return {timeCaptionPattern(), springCaptionPattern(), springOutOfReachCaption()};
}

QString timeCaptionAgain(const QString& shown, const CaptionWords& before)
{
    const QString figure = figureIn(shown, before.time);
    return figure.isNull() ? shown : timeCaptionPattern().arg(figure);
}

QString springCaptionAgain(const QString& shown, const CaptionWords& before)
{
    if (shown == before.springOutOfReach)
        return springOutOfReachCaption();
    const QString figure = figureIn(shown, before.spring);
    return figure.isNull() ? shown : springCaptionPattern().arg(figure);
}

QString springOutOfReachCaption()
{
    return QCoreApplication::translate("Captions", "Spring Compressed 0.00 cm");
}
