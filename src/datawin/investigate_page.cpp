#include "datawin/investigate_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

#include "engine/exact_setup.h"
#include "engine/numbers.h"
#include "ui/language.h"
#include "ui/platform.h"
#include "ui/widgets.h"

const char* const InvestigatePage::kVaryLabels[dw::kVaryCount] = {
    QT_TRANSLATE_NOOP("InvestigatePage", "Red mass (kg)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Black mass (kg)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Red speed"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Black speed"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Red direction (°)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Black direction (°)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Impact offset (cm)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Percent (%)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Table angle or push"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Spring k (N/m)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Spring length (cm)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Red charge"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Black charge"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Electrostatic range"),
};
const char* const InvestigatePage::kMeasureLabels[dw::kMeasureCount] = {
    QT_TRANSLATE_NOOP("InvestigatePage", "Red speed after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Black speed after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Red direction after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Black direction after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Red momentum x after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Red momentum y after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Black momentum x after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Black momentum y after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Total momentum after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Kinetic energy kept (%)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Coefficient of restitution"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Angle between the directions after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Time of contact (s)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Largest spring compression (cm)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Closest approach (cm)"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Red velocity x after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Red velocity y after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Black velocity x after"),
    QT_TRANSLATE_NOOP("InvestigatePage", "Black velocity y after"),
};

InvestigatePage::InvestigatePage(PlatformServices& platform, dw::InvestigateChoice& choice, QWidget* parent)
    : QWidget(parent), platform_(platform), choice_(choice), canvas_(520, 290)
{
    build();
    showChoice();
    connectAll();
    drawPlot();
}

InvestigatePage::~InvestigatePage()
{
    cancel_ = true;   // a window closed under a run waits for its points to stop
    if (worker_.joinable())
        worker_.join();
}

void InvestigatePage::build()
{
    plot = new PictureWidget(canvas_, this);
    plot->setGeometry(4, 4, 520, 290);
    plot->setAccessibleName(tr("Investigation graph"));
    results = new QTableWidget(this);
    results->setGeometry(4, 360, 520, 136);
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setAccessibleName(tr("Investigation points"));
    buildControls(532);
    buildFit();
    poll_ = new QTimer(this);
    poll_->setInterval(30);
}

void InvestigatePage::buildControls(int x)
{
    auto label = [this, x](int y, const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, 100, 20);
        l->setBuddy(buddy);
    };
    varycb = new QComboBox(this);
    varycb->setGeometry(x, 24, 262, 24);
    for (const char* v : kVaryLabels)
        varycb->addItem(tr(v));
    label(4, tr("&Vary:"), varycb);
    QLineEdit** edits[3] = {&fromle, &tole, &steple};
    const QString names[3] = {tr("Fr&om"), tr("&To"), tr("St&ep")};
    for (int i = 0; i < 3; ++i) {
        *edits[i] = new QLineEdit(this);
        (*edits[i])->setGeometry(x + 88 * i, 74, 82, 24);
        label(54, names[i], *edits[i]);
        (*edits[i])->move(x + 88 * i, 74);
    }
    for (QLabel* l : findChildren<QLabel*>())   // the three captions over their fields
        for (int i = 0; i < 3; ++i)
            if (l->buddy() == *edits[i])
                l->move(x + 88 * i, 54);
    measurelist = new QListWidget(this);
    measurelist->setGeometry(x, 124, 262, 176);
    for (const char* m : kMeasureLabels) {
        auto* item = new QListWidgetItem(tr(m), measurelist);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    }
    label(104, tr("Mea&sure:"), measurelist);
    measurelist->setAccessibleName(tr("Measures"));
    textbookcb = new QCheckBox(tr("Textbook &line"), this);
    textbookcb->setGeometry(x, 304, 262, 22);
    runbt = new QPushButton(tr("&Run"), this);
    runbt->setGeometry(x, 330, 128, 28);
    cancelbt = new QPushButton(tr("Cancel"), this);
    cancelbt->setGeometry(x + 134, 330, 128, 28);
    progress = new QProgressBar(this);
    progress->setGeometry(x, 362, 262, 20);
    progress->setAccessibleName(tr("Points run"));
    note = new QLabel(this);
    note->setGeometry(x, 386, 262, 48);
    note->setWordWrap(true);
    copybt = new QPushButton(tr("&Copy"), this);
    copybt->setGeometry(x, 440, 84, 28);
    formatcb = new QComboBox(this);
    formatcb->setGeometry(x + 90, 442, 80, 24);
    formatcb->addItems({QStringLiteral("csv"), QStringLiteral("csv-semicolon"), QStringLiteral("tsv")});
    formatcb->setAccessibleName(tr("Export format"));
    exportbt = new QPushButton(tr("E&xport..."), this);
    exportbt->setGeometry(x + 176, 440, 86, 28);
}

void InvestigatePage::showChoice()
{
    const QSignalBlocker a(varycb), b(measurelist), c(textbookcb), d(formatcb);
    varycb->setCurrentIndex(std::clamp(choice_.vary, 0, dw::kVaryCount - 1));
    fromle->setText(QString::fromStdString(choice_.from));
    tole->setText(QString::fromStdString(choice_.to));
    steple->setText(QString::fromStdString(choice_.step));
    for (int i = 0; i < dw::kMeasureCount; ++i)
        measurelist->item(i)->setCheckState(choice_.measures[static_cast<size_t>(i)] ? Qt::Checked : Qt::Unchecked);
    textbookcb->setChecked(choice_.textbook);
    formatcb->setCurrentIndex(std::clamp(choice_.format, 0, 2));
    cancelbt->setEnabled(running());
    showFitChoice();
}

void InvestigatePage::connectAll()
{
    connect(varycb, &QComboBox::currentIndexChanged, this, [this](int i) { choice_.vary = i; });
    auto typed = [this](QLineEdit* e, std::string* into) {
        connect(e, &QLineEdit::textChanged, this, [into](const QString& t) { *into = t.toStdString(); });
    };
    typed(fromle, &choice_.from);
    typed(tole, &choice_.to);
    typed(steple, &choice_.step);
    connect(measurelist, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        choice_.measures[static_cast<size_t>(measurelist->row(item))] = item->checkState() == Qt::Checked;
    });
    connect(textbookcb, &QCheckBox::toggled, this, [this](bool on) {
        choice_.textbook = on;
        drawPlot();
    });
    connect(formatcb, &QComboBox::currentIndexChanged, this, [this](int i) { choice_.format = i; });
    connect(runbt, &QPushButton::clicked, this, &InvestigatePage::run);
    connect(cancelbt, &QPushButton::clicked, this, &InvestigatePage::cancel);
    connect(poll_, &QTimer::timeout, this, &InvestigatePage::poll);
    connect(copybt, &QPushButton::clicked, this, [this] { platform_.copyText(resultText()); });
    connect(exportbt, &QPushButton::clicked, this, &InvestigatePage::exportToFile);
}

std::vector<dw::Measure> InvestigatePage::chosenMeasures() const
{
    std::vector<dw::Measure> out;
    for (int i = 0; i < dw::kMeasureCount; ++i)
        if (choice_.measures[static_cast<size_t>(i)])
            out.push_back(static_cast<dw::Measure>(i));
    return out;
}

void InvestigatePage::run()
{
    if (running() || !model_ || !state_)
        return;
    const bool comma = QLocale(lang::current()).decimalPoint() == QLatin1String(",");
    dw::Sweep sweep;
    sweep.vary = static_cast<dw::Vary>(std::clamp(choice_.vary, 0, dw::kVaryCount - 1));
    const bool numbers = sim::parseTyped(choice_.from, comma, &sweep.from)
        && sim::parseTyped(choice_.to, comma, &sweep.to) && sim::parseTyped(choice_.step, comma, &sweep.step);
    measures_ = chosenMeasures();
    baseModel_ = *model_;
    baseState_ = std::make_unique<sim::SimState>(*state_);
    dw::SweepError why = dw::SweepError::None;
    double refused = 0.0;
    values_ = numbers ? dw::sweepValues(sweep, {baseModel_, baseState_.get()}, &why, &refused) : std::vector<double>{};
    if (!numbers || values_.empty() || measures_.empty()) {
        note->setText(!numbers                ? tr("From, to and step are numbers.")
                          : measures_.empty() ? tr("Choose at least one measure.")
                                              : whyNot(why, sweep.vary, refused));
        return;
    }
    vary_ = sweep.vary;
    done_ = 0;
    cancel_ = false;
    finished_ = false;
    progress->setRange(0, static_cast<int>(values_.size()));
    progress->setValue(0);
    note->setText(tr("Points to run: %1").arg(values_.size()));
    runbt->setEnabled(false);
    cancelbt->setEnabled(true);
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    // as long as the run on the table went, or 20 s before there is one
    const int ticks = state_->timeLineEnd > 1 ? state_->timeLineEnd : 400;
    worker_ = std::thread([this, cores, ticks] {
        pending_ =
            dw::investigate({baseModel_, baseState_.get()}, vary_, values_, measures_, ticks, cores, &done_, &cancel_);
        finished_ = true;
    });
    poll_->start();
}

QString InvestigatePage::varyUnit(dw::Vary v) const
{
    const QString u = QString::fromLatin1(baseModel_.lengthUnit());
    switch (v) {
    case dw::Vary::RedMass:
    case dw::Vary::BlackMass: return QStringLiteral("kg");
    case dw::Vary::RedSpeed:
    case dw::Vary::BlackSpeed: return u + QStringLiteral("/s");
    case dw::Vary::RedDirection:
    case dw::Vary::BlackDirection: return QStringLiteral("°");
    case dw::Vary::Offset:
    case dw::Vary::SpringLength: return QStringLiteral("cm");
    case dw::Vary::Percent: return QStringLiteral("%");
    case dw::Vary::TableAngle: return baseModel_.dimension == 1 ? QStringLiteral("N") : QStringLiteral("°");
    case dw::Vary::SpringK: return QStringLiteral("N/m");
    default: return {};
    }
}

QString InvestigatePage::measureUnit(dw::Measure m) const
{
    const QString u = QString::fromLatin1(baseModel_.lengthUnit());
    switch (m) {
    case dw::Measure::RedSpeed:
    case dw::Measure::BlackSpeed:
    case dw::Measure::RedVx:
    case dw::Measure::RedVy:
    case dw::Measure::BlackVx:
    case dw::Measure::BlackVy: return u + QStringLiteral("/s");
    case dw::Measure::RedDirection:
    case dw::Measure::BlackDirection:
    case dw::Measure::AngleBetween: return QStringLiteral("°");
    case dw::Measure::EnergyKept: return QStringLiteral("%");
    case dw::Measure::Restitution: return {};
    case dw::Measure::ContactTime: return QStringLiteral("s");
    case dw::Measure::MostCompression:
    case dw::Measure::ClosestApproach: return QStringLiteral("cm");
    default: return QStringLiteral("kg ") + u + QStringLiteral("/s");
    }
}

// The label as the page shows it, with its unit once.
QString InvestigatePage::shownLabel(const char* label, const QString& unit) const
{
    const QString text = tr(label);
    return unit.isEmpty() || QString::fromLatin1(label).endsWith(QLatin1Char(')'))
        ? text
        : text + QStringLiteral(" (%1)").arg(unit);
}

QString InvestigatePage::whyNot(dw::SweepError e, dw::Vary v, double refused) const
{
    switch (e) {
    case dw::SweepError::NotUsed: return tr("This setting is not used in this set-up.");
    case dw::SweepError::BadRange: return tr("From must not be above to, and the step must be above 0.");
    case dw::SweepError::TooMany: return tr("At most %1 points.").arg(dw::kMostPoints);
    default:
        if (const auto r = dw::varyRange(v, baseModel_)) {
            const QLocale l(lang::current());
            return tr("%1 is out of this setting's range: it takes %2 to %3.")
                .arg(l.toString(refused), l.toString(r->min, 'f', r->decimals), l.toString(r->max, 'f', r->decimals));
        }
        return tr("%1 is out of this setting's range here.").arg(QLocale(lang::current()).toString(refused));
    }
}

void InvestigatePage::cancel()
{
    cancel_ = true;
}

void InvestigatePage::poll()
{
    progress->setValue(done_.load());
    if (finished_.load())
        finish();
}

void InvestigatePage::finish()
{
    poll_->stop();
    worker_.join();
    runbt->setEnabled(true);
    cancelbt->setEnabled(false);
    if (pending_.cancelled) {
        note->setText(tr("Cancelled: the page is as it was."));
        return;
    }
    result_ = std::move(pending_);
    note->setText(tr("Points run: %1").arg(result_.x.size()));
    shownMeasures_ = measures_;
    shownVary_ = vary_;
    showResults();
}
