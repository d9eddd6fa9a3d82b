#pragma once
#include <QDialog>

#include "datawin/data_export.h"

class QCheckBox;
class QRadioButton;

// "Export Data": what to write (the table, every sample or the
// Before-and-After page), in which form, and how precisely.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(const dw::DataExport& last, QWidget* parent);

    dw::DataExport choice() const;

    QRadioButton* tablerb = nullptr;
    QRadioButton* samplesrb = nullptr;
    QRadioButton* ledgerrb = nullptr;
    QRadioButton* csvrb = nullptr;
    QRadioButton* semicolonrb = nullptr;
    QRadioButton* tsvrb = nullptr;
    QCheckBox* fullcb = nullptr;
};

// The form a spreadsheet in the user's language opens: semicolons where
// the decimal mark is a comma.
dw::SheetFormat formatForLocale();

// The choice remembered from the last export, or the table in the locale's form.
dw::DataExport rememberedExport();
void rememberExport(const dw::DataExport& e);
