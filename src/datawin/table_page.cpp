#include "datawin/table_page.h"
#include "ui/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "engine/numbers.h"
#include "engine/sim_state.h"
#include "ui/captions.h"
#include "ui/platform.h"
#include "ui/widgets.h"

namespace {
QCheckBox* box(QWidget* parent, int x, int y, const QString& text, bool checked)
{
    auto* b = new QCheckBox(text, parent);
    b->move(x, y);
    b->adjustSize();
    b->setChecked(checked);
    return b;
}
}   // namespace

TablePage::TablePage(PlatformServices& platform, dw::DataViewModel& view, QWidget* parent)
    : QWidget(parent), platform_(platform), view_(view)
{
    datamem = new QPlainTextEdit(this);
    datamem->setGeometry(8, 8, 480, 488);
    datamem->setLineWrapMode(QPlainTextEdit::NoWrap);
    datamem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    datamem->setTabChangesFocus(true);   // Tab leaves the table for the next control

    redRow = new QGroupBox(tr("Red puck"), this);
    redRow->setGeometry(500, 8, 140, 112);
    speed1cb = box(redRow, 10, 20, tr("Speed"), true);
    angle1cb = box(redRow, 10, 42, tr("Angle"), false);
    energy1cb = box(redRow, 10, 64, tr("Energy"), false);
    mom1cb = box(redRow, 10, 86, tr("Momentum"), false);
    blackRow = new QGroupBox(tr("Black Puck"), this);
    blackRow->setGeometry(650, 8, 140, 112);
    speed2cb = box(blackRow, 10, 20, tr("Speed"), true);
    angle2cb = box(blackRow, 10, 42, tr("Angle"), false);
    energy2cb = box(blackRow, 10, 64, tr("Energy"), false);
    mom2cb = box(blackRow, 10, 86, tr("Momentum"), false);
    Sprcb = box(this, 500, 130, tr("Spring Compression"), false);
    Sprcb->hide();
    radcb = box(this, 500, 156, tr("Show Angle in Radians"), false);
    auto* freq = new QLabel(tr("Freq"), this);
    freq->move(500, 190);
    cbfreq = new QComboBox(this);
    cbfreq->setGeometry(560, 186, 80, 24);
    cbfreq->addItems(frequencyItems());
    tdlb = new QLabel(tr("Time: 0.00 s"), this);
    tdlb->setGeometry(500, 222, 200, 18);
    tdsb = new KeyScrollBar(Qt::Horizontal, this);
    tdsb->setGeometry(500, 244, 290, 17);
    tdsb->setRange(1, 1);
    tdsb->setPageStep(10);
    copyallbt = new QPushButton(tr("Copy All Data"), this);
    copyallbt->setGeometry(500, 276, 140, 30);
    copysbt = new QPushButton(tr("Copy Selected"), this);
    copysbt->setGeometry(650, 276, 140, 30);

    showView();
    // a tick, by the user or by code, is the model's; a click rebuilds the table
    for (int c = 0; c < dw::ColumnCount; ++c)
        connect(columnBox(c), &QCheckBox::toggled, this,
                [this, c](bool on) { view_.columns[static_cast<size_t>(c)] = on; });
    connect(radcb, &QCheckBox::toggled, this, [this](bool on) { view_.radians = on; });
    for (QCheckBox* b : {speed1cb, angle1cb, energy1cb, mom1cb, speed2cb, angle2cb, energy2cb, mom2cb, Sprcb, radcb})
        connect(b, &QCheckBox::clicked, this, [this] { buildTable(); });
    connect(cbfreq, &QComboBox::currentIndexChanged, this, [this](int index) {
        view_.tableFrequency = index;
        buildTable();
    });
    connect(tdsb, &QScrollBar::valueChanged, this, [this](int v) {
        view_.tableTime = v;
        timeChanged();
    });
    connect(copyallbt, &QPushButton::clicked, this, [this] {
        datamem->selectAll();
        copySelection();
    });
    connect(copysbt, &QPushButton::clicked, this, [this] { copySelection(); });
}

QCheckBox* TablePage::columnBox(int column) const
{
    QCheckBox* const boxes[dw::ColumnCount] = {speed1cb, angle1cb,  energy1cb, mom1cb, speed2cb,
                                               angle2cb, energy2cb, mom2cb,    Sprcb};
    return boxes[column];
}

void TablePage::showView()
{
    for (int c = 0; c < dw::ColumnCount; ++c) {
        const QSignalBlocker quiet(columnBox(c));
        columnBox(c)->setChecked(view_.columns[static_cast<size_t>(c)]);
    }
    const QSignalBlocker quietRadians(radcb), quietFrequency(cbfreq);
    radcb->setChecked(view_.radians);
    cbfreq->setCurrentIndex(view_.tableFrequency);
}

dw::TableChoice TablePage::choice() const
{
    dw::TableChoice c;
    c.columns = view_.columns;
    c.radians = view_.radians;
    const int idx = view_.tableFrequency;
    c.divisor = run_.divisors[static_cast<size_t>(idx >= 0 && idx < 6 ? idx : 0)];
    c.lastPosition = view_.tableTime;
    return c;
}

void TablePage::buildTable()
{
    // the numbers are ASCII, written as the language writes them; only the
    // header line is looked up in the user's language
    const std::string text = dw::buildTableText(run_, choice());
    const size_t eol = std::min(text.find('\n'), text.size());
    QStringList header = QString::fromLatin1(text.data(), static_cast<qsizetype>(eol)).split(QLatin1Char('\t'));
    for (QString& h : header)
        h = QCoreApplication::translate("DataTable", h.toLatin1().constData());
    datamem->setPlainText(
        header.join(QLatin1Char('\t'))
        + lang::shown(QString::fromLatin1(text.data() + eol, static_cast<qsizetype>(text.size() - eol))));
}

void TablePage::copySelection()
{
    // the text as built: line ends, not the editor's paragraph marks
    platform_.copyText(datamem->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void TablePage::timeChanged()
{
    tdlb->setText(timeCaption(view_.tableTime, 4));
    buildTable();
}
