#include "app/session.h"

#include <QLineEdit>
#include <QtGui/private/qhighdpiscaling_p.h>

#include "datawin/data_window.h"
#include "experiments/experiment_box.h"
#include "setup/table_window.h"
#include "ui/preferences.h"
#include "view/name_dialog.h"

Session::Session(PlatformServices& platform, int percent)
    : platform_(platform), zoom_(prefs::validZoom(percent)), who_(prefs::name())
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
    nameDialog_->nameField()->setText(who_);
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
    percent = prefs::validZoom(percent);
    prefs::setZoom(percent);
    if (percent == zoom_)
        return;
    who_ = nameDialog_->name();
    const KeptTable kept = table_->keep();
    const bool shown = table_->isVisible();
    dropWindows();
    zoom_ = percent;
    QHighDpiScaling::setGlobalFactor(zoom_ / 100.0);
    makeWindows();
    table_->restore(kept);
    if (shown)
        table_->show();
}

int Session::rememberedZoom()
{
    return prefs::zoom();
}
