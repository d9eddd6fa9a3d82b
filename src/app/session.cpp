#include "app/session.h"

#include <QLineEdit>
#include <QSettings>
#include <QtGui/private/qhighdpiscaling_p.h>

#include "datawin/data_window.h"
#include "experiments/experiment_box.h"
#include "setup/table_window.h"
#include "view/name_dialog.h"

namespace {
int validZoom(int percent)
{
    return percent == 125 || percent == 150 || percent == 200 ? percent : 100;
}

QSettings settings()
{
    return QSettings(QStringLiteral("Slidora"), QStringLiteral("Slidora"));
}
}   // namespace

Session::Session(PlatformServices& platform, int percent) : platform_(platform), zoom_(validZoom(percent))
{
    // the scale of every window to come: exact 2 x 2 pixels at 200 %
    QHighDpiScaling::setGlobalFactor(zoom_ / 100.0);
    makeWindows();
}

Session::~Session()
{
    dropWindows();
}

void Session::makeWindows()
{
    table_ = std::make_unique<TableWindow>(platform_);
    nameDialog_ = std::make_unique<NameDialog>(table_.get());
    table_->setNameDialog(nameDialog_.get());
    data_ = std::make_unique<DataWindow>(*table_, platform_);
    experiments_ = std::make_unique<ExperimentBox>(*table_, platform_);
    table_->setZoom(zoom_);
    connect(table_.get(), &TableWindow::zoomChosen, this, [this](int percent) {
        // not from inside the menu's own handler: its window is about to go
        QMetaObject::invokeMethod(
            this, [this, percent] { setZoom(percent); }, Qt::QueuedConnection);
    });
}

void Session::dropWindows()
{
    // children of the table window first, the table window last
    experiments_.reset();
    data_.reset();
    nameDialog_.reset();
    table_.reset();
}

void Session::setZoom(int percent)
{
    percent = validZoom(percent);
    settings().setValue(QStringLiteral("zoom"), percent);
    if (percent == zoom_)
        return;
    const QString who = nameDialog_->name();
    const KeptTable kept = table_->keep();
    const bool shown = table_->isVisible();
    dropWindows();
    zoom_ = percent;
    QHighDpiScaling::setGlobalFactor(zoom_ / 100.0);
    makeWindows();
    nameDialog_->nameField()->setText(who);
    table_->restore(kept);
    if (shown)
        table_->show();
}

int Session::rememberedZoom()
{
    return validZoom(settings().value(QStringLiteral("zoom"), 100).toInt());
}
