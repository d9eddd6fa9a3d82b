#include "datawin/export_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLocale>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/preferences.h"

namespace {
QGroupBox* group(const QString& title, std::initializer_list<QRadioButton*> buttons)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    for (QRadioButton* b : buttons)
        layout->addWidget(b);
    return box;
}
}   // namespace

ExportDialog::ExportDialog(const dw::DataExport& last, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Export Data"));
    tablerb = new QRadioButton(tr("The data &table, at its frequency"));
    samplesrb = new QRadioButton(tr("&Every sample"));
    ledgerrb = new QRadioButton(tr("&Before and after"));
    csvrb = new QRadioButton(tr("CSV, &comma separated, point decimal"));
    semicolonrb = new QRadioButton(tr("CSV, &semicolon separated, comma decimal"));
    tsvrb = new QRadioButton(tr("T&AB separated, as \"Copy All Data\""));
    fullcb = new QCheckBox(tr("&Full precision (exact numbers)"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group(tr("Content"), {tablerb, samplesrb, ledgerrb}));
    layout->addWidget(group(tr("Format"), {csvrb, semicolonrb, tsvrb}));
    layout->addWidget(fullcb);
    layout->addWidget(buttons);

    (last.content == dw::ExportContent::Table             ? tablerb
         : last.content == dw::ExportContent::EverySample ? samplesrb
                                                          : ledgerrb)
        ->setChecked(true);
    (last.format == dw::SheetFormat::Csv                ? csvrb
         : last.format == dw::SheetFormat::CsvSemicolon ? semicolonrb
                                                        : tsvrb)
        ->setChecked(true);
    fullcb->setChecked(last.fullPrecision);
}

dw::DataExport ExportDialog::choice() const
{
    dw::DataExport e;
    e.content = tablerb->isChecked() ? dw::ExportContent::Table
        : samplesrb->isChecked()     ? dw::ExportContent::EverySample
                                     : dw::ExportContent::Ledger;
    e.format = csvrb->isChecked()  ? dw::SheetFormat::Csv
        : semicolonrb->isChecked() ? dw::SheetFormat::CsvSemicolon
                                   : dw::SheetFormat::Tsv;
    e.fullPrecision = fullcb->isChecked();
    return e;
}

dw::SheetFormat formatForLocale()
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? dw::SheetFormat::CsvSemicolon : dw::SheetFormat::Csv;
}

dw::DataExport rememberedExport()
{
    dw::DataExport e;
    if (!dw::formatNamed(prefs::exportFormat().toStdString(), &e.format))
        e.format = formatForLocale();
    dw::contentNamed(prefs::exportContent().toStdString(), &e.content);
    e.fullPrecision = prefs::exportFullPrecision();
    return e;
}

void rememberExport(const dw::DataExport& e)
{
    prefs::setExportFormat(QString::fromLatin1(dw::formatName(e.format)));
    prefs::setExportContent(QString::fromLatin1(dw::contentName(e.content)));
    prefs::setExportFullPrecision(e.fullPrecision);
}
