#include "setup/exact_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "engine/numbers.h"
#include "engine/sim_state.h"
#include "ui/captions.h"
#include "ui/language.h"
#include "ui/platform.h"

using sim::ExactField;

namespace {
size_t at(ExactField f)
{
    return static_cast<size_t>(f);
}

QLocale userLocale()
{
    return QLocale(lang::current());
}
}   // namespace

ExactDialog::ExactDialog(const sim::SetupModel& m, const sim::SimState& s, const QList<QPair<QString, int>>& ranges,
                         PlatformServices& platform, QWidget* parent)
    : QDialog(parent), m_(m), s_(s), platform_(platform)
{
    setWindowTitle(tr("Set Up Exactly"));
    comma_ = userLocale().decimalPoint() == QLatin1String(",");
    now_ = sim::exactNumbers(m, s);
    build(ranges);
    for (int f = 0; f < sim::kExactFieldCount; ++f) {
        const ExactField field = static_cast<ExactField>(f);
        const sim::ExactSpec spec = sim::exactSpec(field, m);
        QLineEdit* e = edits_[static_cast<size_t>(f)];
        e->setText(lang::shown(num::F(now_[static_cast<size_t>(f)], 1, spec.decimals)));
        shownAtStart_[static_cast<size_t>(f)] = e->text();
        e->setAccessibleName(nameOf(field));
        e->setReadOnly(spec.fixed);
        e->setVisible(spec.shown);
        outcomes_[static_cast<size_t>(f)]->setVisible(spec.shown);
        connect(e, &QLineEdit::textEdited, this, [this] { preview(); });
    }
    preview();
}

void ExactDialog::build(const QList<QPair<QString, int>>& ranges)
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Red puck")), 0, 1);
    grid->addWidget(new QLabel(tr("Black puck")), 0, 3);
    const QString length = QString::fromLatin1(m_.lengthUnit());
    addRow(1, tr("&Mass (kg)"), ExactField::RedMass, ExactField::BlackMass);
    addRow(2, tr("&Speed (%1/s)").arg(length), ExactField::RedSpeed, ExactField::BlackSpeed);
    addRow(3, tr("&Direction (%1)").arg(QChar(0xB0)), ExactField::RedDirection, ExactField::BlackDirection);
    addRow(4, tr("&x (%1)").arg(length), ExactField::RedX, ExactField::BlackX);
    addRow(5, tr("&y (%1)").arg(length), ExactField::RedY, ExactField::BlackY);
    const QString angle = m_.dimension == 1 ? tr("&Force (N)") : tr("Table &angle (%1)").arg(QChar(0xBA));
    addRow(6, tr("Elastic &percent (%)"), ExactField::Percent, ExactField::Percent);
    addRow(7, angle, ExactField::TableAngle, ExactField::TableAngle);
    addRow(8, tr("Spring &k (N/m)"), ExactField::SpringK, ExactField::SpringK);
    addRow(9, tr("Spring &length (cm)"), ExactField::SpringLength, ExactField::SpringLength);
    addRow(10, tr("C&harge"), ExactField::RedCharge, ExactField::BlackCharge);
    range = new QComboBox(this);
    for (const auto& [caption, value] : ranges) {
        range->addItem(caption, value);
        if (value == m_.electroEntry)
            range->setCurrentIndex(range->count() - 1);
    }
    range->setAccessibleName(tr("Range"));
    auto* rangeCaption = new QLabel(tr("&Range"), this);
    rangeCaption->setBuddy(range);
    const bool electro = m_.chargesShown && m_.interaction == sim::Interaction::Electrostatic;
    range->setVisible(electro);
    rangeCaption->setVisible(electro);
    grid->addWidget(rangeCaption, 11, 0);
    grid->addWidget(range, 11, 1);
    note = new QLabel(this);
    grid->addWidget(note, 12, 0, 1, 5);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 13, 0, 1, 5);
}

void ExactDialog::addRow(int row, const QString& caption, ExactField red, ExactField black)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* label = new QLabel(caption, this);
    grid->addWidget(label, row, 0);
    bool any = false;
    for (const ExactField f : {red, black}) {
        if (edits_[at(f)])
            continue;   // a setting of its own: one field
        auto* e = new QLineEdit(this);
        e->setMaximumWidth(90);
        auto* outcome = new QLabel(this);
        outcome->setMinimumWidth(150);
        const int column = f == red ? 1 : 3;
        grid->addWidget(e, row, column);
        grid->addWidget(outcome, row, column + 1);
        edits_[at(f)] = e;
        outcomes_[at(f)] = outcome;
        any = any || sim::exactSpec(f, m_).shown;
    }
    label->setBuddy(edits_[at(red)]);
    label->setVisible(any);
}

bool ExactDialog::read(ExactField f, double* value) const
{
    return sim::parseTyped(edits_[at(f)]->text().toStdString(), comma_, value);
}

sim::ExactNumbers ExactDialog::typed() const
{
    sim::ExactNumbers n = now_;
    for (int f = 0; f < sim::kExactFieldCount; ++f) {
        const ExactField field = static_cast<ExactField>(f);
        double v = 0.0;
        // a field left as it was shown means the set-up's own value, not its rounding
        const bool untouched = edits_[static_cast<size_t>(f)]->text() == shownAtStart_[static_cast<size_t>(f)];
        if (sim::exactSpec(field, m_).shown && !untouched && read(field, &v))
            n[static_cast<size_t>(f)] = v;
    }
    return n;
}

void ExactDialog::keepUnknown(ExactField f)
{
    const size_t i = at(f);
    unknown_[i] = true;
    edits_[i]->setText(numberOrHidden(true, QString()));
    shownAtStart_[i] = edits_[i]->text();   // untouched: the set-up's own value
    edits_[i]->setReadOnly(true);
    preview();
}

int ExactDialog::rangeEntry() const
{
    return range->count() > 0 ? range->currentData().toInt() : m_.electroEntry;
}

QString ExactDialog::unitOf(ExactField f) const
{
    const QString unit = QString::fromLatin1(sim::exactSpec(f, m_).unit);
    if (unit == QLatin1String("deg"))
        return QString(f == ExactField::TableAngle ? QChar(0xBA) : QChar(0xB0));
    return unit;
}

QString ExactDialog::shown(ExactField f, double value) const
{
    const QString number = lang::shown(num::F(value, 1, sim::exactSpec(f, m_).decimals));
    const QString unit = unitOf(f);
    const bool close = unit == QLatin1String("%") || unit == QChar(0xB0) || unit == QChar(0xBA);   // 30.0°, 50%
    return unit.isEmpty() ? number : number + (close ? QString() : QStringLiteral(" ")) + unit;
}

QString ExactDialog::rangeText(ExactField f) const
{
    const sim::ExactSpec spec = sim::exactSpec(f, m_);
    return tr("%1 to %2").arg(shown(f, spec.min), shown(f, spec.max));
}

QString ExactDialog::nameOf(ExactField f) const
{
    static const char* const names[sim::kExactFieldCount] = {
        QT_TR_NOOP("Red mass"),     QT_TR_NOOP("Red speed"),       QT_TR_NOOP("Red direction"),
        QT_TR_NOOP("Red x"),        QT_TR_NOOP("Red y"),           QT_TR_NOOP("Black mass"),
        QT_TR_NOOP("Black speed"),  QT_TR_NOOP("Black direction"), QT_TR_NOOP("Black x"),
        QT_TR_NOOP("Black y"),      QT_TR_NOOP("Elastic percent"), QT_TR_NOOP("Table angle"),
        QT_TR_NOOP("Spring k"),     QT_TR_NOOP("Spring length"),   QT_TR_NOOP("Red charge"),
        QT_TR_NOOP("Black charge"),
    };
    if (f == ExactField::TableAngle && m_.dimension == 1)
        return tr("Force");
    return tr(names[at(f)]);
}

void ExactDialog::preview()
{
    const sim::ExactPlan plan = sim::planExact(typed(), rangeEntry(), m_, s_);
    for (int i = 0; i < sim::kExactFieldCount; ++i) {
        const ExactField f = static_cast<ExactField>(i);
        const sim::ExactSpec spec = sim::exactSpec(f, m_);
        QLabel* outcome = outcomes_[static_cast<size_t>(i)];
        double v = 0.0;
        if (!spec.shown || spec.fixed || unknown_[static_cast<size_t>(i)])
            outcome->clear();
        else if (!read(f, &v))
            outcome->setText(tr("not a number"));
        else if (plan.refused[static_cast<size_t>(i)])
            outcome->setText(rangeText(f));
        else
            outcome->setText(QStringLiteral("-> ") + shown(f, plan.used[static_cast<size_t>(i)]));
    }
    if (plan.overlap)
        note->setText(tr("The pucks would overlap."));
    else
        note->setText(sim::runStarted(s_) ? tr("Ok resets the table first.") : QString());
}

void ExactDialog::accept()
{
    // the first field that can't be taken says why, and keeps the dialog open
    const sim::ExactPlan plan = sim::planExact(typed(), rangeEntry(), m_, s_);
    for (int i = 0; i < sim::kExactFieldCount; ++i) {
        const ExactField f = static_cast<ExactField>(i);
        const sim::ExactSpec spec = sim::exactSpec(f, m_);
        double v = 0.0;
        if (!spec.shown || spec.fixed)
            continue;
        QString problem;
        if (!read(f, &v))
            problem = tr("%1: \"%2\" is not a number; it takes %3.").arg(nameOf(f), field(f)->text(), rangeText(f));
        else if (plan.refused[static_cast<size_t>(i)])
            problem = tr("%1 takes %2.").arg(nameOf(f), rangeText(f));
        if (!problem.isEmpty()) {
            platform_.showMessage(this, problem);
            field(f)->setFocus();
            return;
        }
    }
    if (plan.overlap) {
        platform_.showMessage(this, tr("The pucks would overlap: place them further apart."));
        field(ExactField::RedX)->setFocus();
        return;
    }
    QDialog::accept();
}
