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

QString springCaption(double cm)
{
    return QCoreApplication::translate("Captions", "Spring Compressed: %1 cm")
        .arg(QString::fromStdString(num::F(cm, 4, 2)));
}

QString springOutOfReachCaption()
{
    return QCoreApplication::translate("Captions", "Spring Compressed 0.00 cm");
}
