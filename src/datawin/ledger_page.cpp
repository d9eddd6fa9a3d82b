#include "datawin/ledger_page.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "ui/platform.h"

LedgerPage::LedgerPage(PlatformServices& platform, QWidget* parent) : QWidget(parent), platform_(platform)
{
    whenlb = new QLabel(this);
    whenlb->setGeometry(8, 6, 690, 20);
    ledgergrid = new QTableWidget(this);
    ledgergrid->setGeometry(8, 30, 784, 420);
    ledgergrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ledgergrid->verticalHeader()->hide();
    ledgergrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ledgergrid->setWordWrap(false);
    copybt = new QPushButton(QStringLiteral("&Copy"), this);
    copybt->setGeometry(8, 460, 140, 30);
    connect(copybt, &QPushButton::clicked, this, [this] {
        const std::string text = dw::writeSheet(sheet_, dw::SheetFormat::Tsv, false);
        platform_.copyText(QString::fromStdString(text));
    });
}

void LedgerPage::show(const dw::Sheet& sheet, const QString& afterText)
{
    sheet_ = sheet;
    whenlb->setText(QStringLiteral("Before: the start of the run.  After: ") + afterText
                    + QStringLiteral(" (the Time bar of the Data page)."));
    ledgergrid->clear();
    ledgergrid->setColumnCount(static_cast<int>(sheet.header.size()));
    ledgergrid->setRowCount(static_cast<int>(sheet.rows.size()));
    QStringList header;
    for (const std::string& h : sheet.header)
        header << QString::fromStdString(h);
    ledgergrid->setHorizontalHeaderLabels(header);
    for (int r = 0; r < static_cast<int>(sheet.rows.size()); ++r) {
        const std::vector<dw::Cell>& row = sheet.rows[static_cast<size_t>(r)];
        // one cell per field, as the sheet's TAB text splits them
        const QStringList fields = QString::fromStdString(dw::writeSheet({{}, {row}}, dw::SheetFormat::Tsv, false))
                                       .trimmed()
                                       .split(QLatin1Char('\t'));
        for (int c = 0; c < fields.size(); ++c) {
            auto* item = new QTableWidgetItem(fields[c].trimmed());
            if (row[static_cast<size_t>(c)].number)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ledgergrid->setItem(r, c, item);
        }
    }
    ledgergrid->resizeColumnsToContents();
    // a sentence runs across the whole row
    for (int r = 0; r < ledgergrid->rowCount(); ++r)
        if (sheet.rows[static_cast<size_t>(r)].size() == 1 && ledgergrid->columnCount() > 1)
            ledgergrid->setSpan(r, 0, 1, ledgergrid->columnCount());
}
