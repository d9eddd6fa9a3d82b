#pragma once
// The class's handed-in predictions as bars, large enough for a projector:
// how many students predicted each range of one value.

#include <QRect>
#include <QString>

#include "engine/class_predictions.h"

class QPainter;

// The title over the bars, in the window's language; `unit` as "cm".
QString classPredictionsTitle(const sim::ClassPredictions& c, const QString& unit);

// White on the presentation's black, into `area`.
void drawClassPredictions(QPainter& p, const QRect& area, const sim::ClassPredictions& c, const QString& unit);
