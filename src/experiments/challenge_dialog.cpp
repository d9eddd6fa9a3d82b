#include "experiments/challenge_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/exact_setup.h"
#include "engine/numbers.h"
#include "experiments/challenge_setup.h"
#include "experiments/record_applier.h"
#include "setup/table_access.h"
#include "ui/language.h"
#include "ui/placement.h"
#include "ui/platform.h"

namespace {
constexpr const char* kKinds[sim::kChallengeKindCount] = {
    QT_TRANSLATE_NOOP("ChallengeDialog", "Mass of the black puck (1-D)"),
    QT_TRANSLATE_NOOP("ChallengeDialog", "Percent of a partly elastic collision (1-D)"),
    QT_TRANSLATE_NOOP("ChallengeDialog", "Launch speed of the red puck (1-D)"),
    QT_TRANSLATE_NOOP("ChallengeDialog", "Mass of the black puck (2-D, glancing)")};
constexpr const char* kTasks[sim::kChallengeKindCount] = {
    QT_TRANSLATE_NOOP("ChallengeDialog",
                      "The collision is elastic and the black puck starts at rest. Find its mass in kg."),
    QT_TRANSLATE_NOOP("ChallengeDialog", "Both masses are shown. Find the percent of the Semi Elastic bar."),
    QT_TRANSLATE_NOOP("ChallengeDialog",
                      "The collision is elastic; the trace before it is hidden. Find the red puck's speed in cm/s."),
    QT_TRANSLATE_NOOP("ChallengeDialog",
                      "A glancing elastic collision; the black puck starts at rest. Find its mass in kg.")};
}   // namespace

ChallengeDialog::ChallengeDialog(TableAccess& window, RecordApplier& applier, PlatformServices& platform)
    : QDialog(&window.tableWidget(), Qt::Dialog), w_(window), applier_(applier), platform_(platform)
{
    setWindowTitle(tr("Challenge"));
    comma_ = QLocale(lang::current()).decimalPoint() == QLatin1String(",");
    build();
    connect(setUp_, &QPushButton::clicked, this,
            [this] { setUp(static_cast<sim::ChallengeKind>(kind_->currentIndex()), seed_->value()); });
    connect(check_, &QPushButton::clicked, this, &ChallengeDialog::checkAnswer);
    connect(answer_, &QLineEdit::returnPressed, this, &ChallengeDialog::checkAnswer);
    connect(reveal_, &QPushButton::clicked, this, &ChallengeDialog::reveal);
    showChallenge();
}

void ChallengeDialog::build()
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    kind_ = new QComboBox(this);
    for (const char* k : kKinds)
        kind_->addItem(tr(k));
    seed_ = new QSpinBox(this);
    seed_->setRange(sim::kFirstSeed, sim::kLastSeed);
    form->addRow(tr("&Kind:"), kind_);
    form->addRow(tr("S&eed:"), seed_);
    kind_->setAccessibleName(tr("Kind"));
    seed_->setAccessibleName(tr("Seed"));
    layout->addLayout(form);
    setUp_ = new QPushButton(tr("Set &Up"), this);
    layout->addWidget(setUp_);
    task_ = new QLabel(this);
    task_->setWordWrap(true);
    layout->addWidget(task_);
    auto* row = new QHBoxLayout;
    auto* answerLabel = new QLabel(tr("&Answer:"), this);
    answer_ = new QLineEdit(this);
    answer_->setAccessibleName(tr("Answer"));
    answerLabel->setBuddy(answer_);
    unit_ = new QLabel(this);
    check_ = new QPushButton(tr("Chec&k"), this);
    for (QWidget* w : {static_cast<QWidget*>(answerLabel), static_cast<QWidget*>(answer_), static_cast<QWidget*>(unit_),
                       static_cast<QWidget*>(check_)})
        row->addWidget(w);
    layout->addLayout(row);
    verdict_ = new QLabel(this);
    verdict_->setWordWrap(true);
    layout->addWidget(verdict_);
    auto* buttons = new QDialogButtonBox(this);
    reveal_ = buttons->addButton(tr("&Reveal"), QDialogButtonBox::ActionRole);
    close_ = buttons->addButton(QDialogButtonBox::Close);
    close_->setText(tr("C&lose"));
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(buttons);
    for (QPushButton* b : {setUp_, check_, reveal_, close_})
        b->setAutoDefault(false);
    setMinimumWidth(420);
}

void ChallengeDialog::keepTo(sim::ChallengeKind kind, int seed)
{
    kept_ = std::make_pair(kind, seed);
    showChallenge();
}

void ChallengeDialog::setUp(sim::ChallengeKind kind, int seed)
{
    if (sim::runStarted(w_.room().state()))
        w_.resetRun();   // a challenge starts from the set-up
    applier_.applyChallenge(exper::challengeSet(kind, seed));
    answer_->clear();
    verdict_->clear();
    showChallenge();
}

QString ChallengeDialog::valueText() const
{
    const sim::Challenge& c = w_.room().challenge();
    const bool percent = c.set.kind == sim::ChallengeKind::Restitution;
    return lang::shown(num::F(sim::challengeAnswer(c.set), 1, percent ? 0 : 1)) + QLatin1Char(' ')
        + QString::fromLatin1(sim::challengeUnit(c.set.kind));
}

void ChallengeDialog::showChallenge()
{
    const sim::Challenge& c = w_.room().challenge();
    if (c.on) {
        kind_->setCurrentIndex(static_cast<int>(c.set.kind));
        seed_->setValue(c.set.seed);
    }
    // a lesson's challenge: its kind fixed, the dialog staying
    const std::optional<sim::Lesson>& lesson = w_.room().lesson();
    const bool fixed = lesson && lesson->challenge;
    if (fixed)
        kind_->setCurrentIndex(static_cast<int>(*lesson->challenge));
    kind_->setEnabled(!fixed && !kept_);
    seed_->setEnabled(!kept_);
    setUp_->setEnabled(!kept_ || !c.on || c.set.kind != kept_->first || c.set.seed != kept_->second);
    if (kept_) {   // their own, whatever was set up since
        kind_->setCurrentIndex(static_cast<int>(kept_->first));
        seed_->setValue(kept_->second);
    }
    close_->setVisible(!fixed);
    const int kind = kind_->currentIndex();
    task_->setText(c.on ? tr("Seed %1: %2").arg(c.set.seed).arg(tr(kTasks[kind]))
                        : tr("Choose a kind and a seed, then Set Up."));
    unit_->setText(QString::fromLatin1(sim::challengeUnit(static_cast<sim::ChallengeKind>(kind))));
    const bool open = c.on && c.triesLeft() && !c.revealed;
    answer_->setEnabled(open);
    check_->setEnabled(open);
    reveal_->setEnabled(c.on && !c.revealed && !c.triesLeft());
    const QString answer = tr("The answer is %1.").arg(valueText());
    if (c.revealed && !verdict_->text().endsWith(answer))
        verdict_->setText((verdict_->text() + QLatin1Char('\n') + answer).trimmed());
}

void ChallengeDialog::checkAnswer()
{
    const sim::Challenge& c = w_.room().challenge();
    double v = 0.0;
    if (!c.hiding() || !c.triesLeft())
        return;
    if (!sim::parseTyped(answer_->text().toStdString(), comma_, &v)) {
        verdict_->setText(tr("Type a number, such as %1.").arg(comma_ ? QStringLiteral("2,5") : QStringLiteral("2.5")));
        return;
    }
    const int percent = static_cast<int>(sim::challengeTolerance(c.set.kind) * 100.0 + 0.5);
    sim::Verdict verdict = sim::Verdict::NotYet;
    w_.classroom().run(&sim::Classroom::answer, v, &verdict);
    switch (verdict) {
    case sim::Verdict::Within: verdict_->setText(tr("within %1 %").arg(percent)); break;
    case sim::Verdict::NotYet:
        verdict_->setText(tr("not yet (%1 of %2 tries used)").arg(c.tries).arg(sim::kChallengeTries));
        break;
    case sim::Verdict::NoTriesLeft: verdict_->setText(tr("not yet: no tries left; Reveal shows the value")); break;
    }
    showChallenge();
}

void ChallengeDialog::reveal()
{
    if (!w_.room().challenge().on)
        return;
    w_.classroom().run(&sim::Classroom::revealChallenge);
    verdict_->clear();
    showChallenge();
}

void ChallengeDialog::showBesideTable()
{
    showChallenge();
    if (!isVisible()) {
        adjustSize();
        place::showBeside(*this, w_.tableWidget());   // clear of the table and of Predict First's panel
    }
    raise();
    activateWindow();
}

void ChallengeDialog::closeEvent(QCloseEvent* event)
{
    if (w_.room().lesson() && w_.room().lesson()->challenge)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void ChallengeDialog::reject()
{
    if (!(w_.room().lesson() && w_.room().lesson()->challenge))
        QDialog::reject();   // Escape closes it, as Close does
}
