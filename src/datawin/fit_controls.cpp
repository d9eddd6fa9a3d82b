#include "datawin/fit_controls.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "engine/numbers.h"
#include "ui/language.h"
#include "ui/platform.h"
#include "ui/widgets.h"

namespace {
QString number(double v)
{
    const double a = std::fabs(v);
    return lang::shown(num::F(v, 1, a >= 100 ? 2 : a >= 1 ? 3 : 4));
}
}   // namespace

QStringList fitUnits(dw::FitModel model, const QString& x, const QString& y)
{
    auto per = [&](const char* power) {
        const QString top = y.isEmpty() ? QStringLiteral("1") : QStringLiteral("(%1)").arg(y);
        return x.isEmpty() ? y : top + QLatin1Char('/') + x + QString::fromUtf8(power);
    };
    const QString byX = x.isEmpty() ? y : y.isEmpty() ? x : QStringLiteral("(%1)%2").arg(y, x);
    switch (model) {
    case dw::FitModel::Linear: return {per(""), y};
    case dw::FitModel::Quadratic: return {per("²"), per(""), y};
    case dw::FitModel::Proportional: return {per("")};
    default: return {byX};
    }
}

FitControls::FitControls(QWidget* page, PlatformServices& platform, FitChoiceRef choice, PictureWidget* picture,
                         const FitLayout& layout)
    : QObject(page), choice_(choice)
{
    build(page, layout);
    connectAll(platform, picture);
    show();
}

void FitControls::build(QWidget* page, const FitLayout& l)
{
    kind = new QComboBox(page);
    kind->setGeometry(l.kind);
    kind->addItems(l.kinds);
    kind->setAccessibleName(l.kindName);
    source = new QComboBox(page);
    source->setGeometry(l.source);
    source->addItems(l.sources);
    source->setAccessibleName(l.sourceName);
    const QRect places[2] = {l.from, l.to};
    const QString names[2] = {l.fromName, l.toName};
    QDoubleSpinBox** ends[2] = {&from, &to};
    for (int i = 0; i < 2; ++i) {
        *ends[i] = new QDoubleSpinBox(page);
        (*ends[i])->setGeometry(places[i]);
        (*ends[i])->setDecimals(2);
        (*ends[i])->setSingleStep(l.step);
        (*ends[i])->setRange(l.lowest, l.highest);
        (*ends[i])->setSuffix(l.suffix);
        (*ends[i])->setAccessibleName(names[i]);
    }
    result = new QLabel(page);
    result->setGeometry(l.result);
    result->setWordWrap(true);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    copy = new QPushButton(tr("Copy Fit"), page);
    copy->setGeometry(l.copy);
}

void FitControls::show()
{
    const QSignalBlocker a(kind), b(source), c(from), d(to);
    kind->setCurrentIndex(std::clamp(choice_.kind, 0, kind->count() - 1));
    source->setCurrentIndex(std::clamp(choice_.source, 0, std::max(0, source->count() - 1)));
    from->setValue(choice_.from);
    to->setValue(choice_.to);
    const bool on = choice_.kind != 0;
    for (QWidget* w : std::initializer_list<QWidget*>{source, from, to, copy})
        w->setEnabled(on);
    if (!on)
        result->clear();
}

void FitControls::connectAll(PlatformServices& platform, PictureWidget* picture)
{
    auto changed = [this] {
        show();
        if (redraw)
            redraw();
    };
    connect(kind, &QComboBox::currentIndexChanged, this, [this, changed](int i) {
        choice_.kind = i;
        if (i != 0 && choice_.to <= choice_.from && firstStretch)
            firstStretch();
        changed();
    });
    connect(source, &QComboBox::currentIndexChanged, this, [this, changed](int i) {
        choice_.source = std::max(0, i);
        changed();
    });
    connect(from, &QDoubleSpinBox::valueChanged, this, [this, changed](double v) {
        choice_.from = v;
        changed();
    });
    connect(to, &QDoubleSpinBox::valueChanged, this, [this, changed](double v) {
        choice_.to = v;
        changed();
    });
    connect(copy, &QPushButton::clicked, this, [this, &platform] { platform.copyText(result->text()); });
    // a drag across the picture chooses the stretch
    connect(picture, &PictureWidget::mouseDown, this, [this](int x, int) {
        dragging_ = choice_.kind != 0 && valueAt != nullptr;
        if (dragging_)
            choice_.from = choice_.to = valueAt(x);
    });
    connect(picture, &PictureWidget::mouseMove, this, [this](int x, int) {
        if (dragging_)
            choice_.to = valueAt(x);
    });
    connect(picture, &PictureWidget::mouseUp, this, [this, changed](int, int) {
        if (!dragging_)
            return;
        dragging_ = false;
        if (choice_.to < choice_.from)
            std::swap(choice_.from, choice_.to);
        changed();
    });
}

void FitControls::showFit(const dw::Fit& f, const QStringList& units)
{
    if (!f.ok) {
        result->setText(tr("Too few points in the stretch for this fit."));
        return;
    }
    QString text;
    for (int k = 0; k < f.params && k < units.size(); ++k)
        text += (k ? QStringLiteral(", ") : QString()) + QLatin1Char("abc"[k]) + QStringLiteral(" = ")
            + number(f.p[static_cast<size_t>(k)]) + QLatin1Char(' ') + units[k];
    result->setText(
        text + QLatin1Char('\n')
        + tr("error of a %1, RMS %2, r² %3").arg(number(f.aError), number(f.rms), lang::shown(num::F(f.r2, 1, 4))));
}
