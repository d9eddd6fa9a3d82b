#include "view/printing.h"

#include "ui/preferences.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>

#include "engine/numbers.h"
#include "ui/canvas.h"
#include "ui/platform.h"
#include "ui/widgets.h"
#include "view/name_dialog.h"

Printing::Printing(const PrintingControls& c, PlatformServices& platform, Canvas& table, QWidget* window)
    : c_(c), platform_(platform), table_(table), window_(window)
{}

void Printing::connectAll()
{
    QObject::connect(c_.printTrace, &QPushButton::clicked, &context_, [this] { printTrace(); });
    QObject::connect(c_.print, &QAction::triggered, &context_, [this] { printTrace(); });
    QObject::connect(c_.printCopySelect, &QAction::triggered, &context_, [this] { printCopySelect(); });
    QObject::connect(c_.whoAmI, &QAction::triggered, &context_, [this] { whoAmI(); });
}

QString Printing::userName() const
{
    return nameDialog_ ? nameDialog_->name() : QString();
}

void Printing::printImage(const QImage& picture)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) {
        // an empty selection has no width to scale by
        platform_.showMessage(window_, tr("There is nothing to print: the selected picture is empty."));
        return;
    }
    std::unique_ptr<PrintJob> job = platform_.beginPrintJob();
    if (!job) {
        platform_.showMessage(window_, tr("No printer is set up."));
        return;
    }
    const double ratio = (job->pageWidth() - 300.0) / picture.width();
    const QString name = userName();
    if (!name.isEmpty())
        job->textOut(0, 150, tr("Printed by: %1").arg(name));
    job->stretchImage(QRect(150, 300, num::Trunc(picture.width() * ratio), num::Trunc(picture.height() * ratio)),
                      picture);
    job->end();
}

void Printing::printTrace()
{
    if (platform_.askPrinter(window_))
        printImage(table_.image());
}

void Printing::printCopySelect()
{
    printImage(Image1_);
}

void Printing::setNameDialog(NameDialog* dialog)
{
    nameDialog_ = dialog;
    if (nameDialog_ && !nameDialog_->name().isEmpty())
        c_.whoAmI->setText(tr("&Who am I: %1").arg(nameDialog_->name()));
}

void Printing::whoAmI()
{
    if (!nameDialog_)
        return;
    platform_.execModal(*nameDialog_);
    c_.whoAmI->setText(tr("&Who am I: %1").arg(nameDialog_->name()));
    prefs::setName(nameDialog_->name());
}

void Printing::selectionStart(int x, int y)
{
    if (!c_.copySelect->isChecked() || c_.measure->isChecked())
        return;
    c_.frame->setGeometry(sim::kImageLeft + x, sim::kImageTop + y, 0, 0);
    c_.frame->show();
    c_.frame->raise();
    anchorX_ = cornerX_ = x;
    anchorY_ = cornerY_ = y;
    selecting_ = true;
}

void Printing::selectionMove(int x, int y)
{
    if (!selecting_)
        return;
    cornerX_ = x;
    cornerY_ = y;
    c_.frame->setGeometry(sim::kImageLeft + std::min(anchorX_, x), sim::kImageTop + std::min(anchorY_, y),
                          std::abs(anchorX_ - x), std::abs(anchorY_ - y));
}

void Printing::selectionFinish()
{
    if (c_.frame->isHidden())
        return;
    const QRect frame = c_.frame->geometry();
    const QRect source(frame.left() - sim::kImageLeft, frame.top() - sim::kImageTop, frame.width(), frame.height());
    // QImage::copy of an empty rectangle would give the whole picture
    Image1_ = source.isEmpty() ? QImage() : table_.image().copy(source);
    platform_.copyImage(Image1_);
    c_.frame->hide();
    selecting_ = false;
    copied_ = true;
    if (copied)
        copied();
}
