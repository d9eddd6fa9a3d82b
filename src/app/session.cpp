#include "app/session.h"

#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <algorithm>

#include "app/lab_sheet.h"
#include "datawin/data_window.h"
#include "experiments/experiment_box.h"
#include "setup/controls.h"
#include "setup/table_window.h"
#include "ui/language.h"
#include "ui/placement.h"
#include "ui/platform.h"
#include "ui/preferences.h"
#include "view/name_dialog.h"

Session::Session(PlatformServices& platform, int percent)
    : platform_(platform), userScale_(qgetenv("QT_SCALE_FACTOR")), zoom_(prefs::validZoom(percent)), who_(prefs::name())
{
    // the scale of every window to come: exact 2 x 2 pixels at 200 %
    QHighDpiScaling::setGlobalFactor(scaleFor(zoom_, userScale_));
    makeWindows();
}

qreal Session::scaleFor(int percent, const QByteArray& userScale)
{
    bool ok = false;
    const qreal own = userScale.toDouble(&ok);
    return (ok && own > 0.0 && own <= 16.0 ? own : 1.0) * prefs::validZoom(percent) / 100.0;
}

Session::~Session()
{
    dropWindows();
}

void Session::makeWindows()
{
    table_ = std::make_unique<TableWindow>(platform_, classroom_);
    nameDialog_ = std::make_unique<NameDialog>(table_.get());
    nameDialog_->nameField()->setText(who_);
    table_->setNameDialog(nameDialog_.get());
    data_ = std::make_unique<DataWindow>(*table_, platform_);
    experiments_ = std::make_unique<ExperimentBox>(*table_, platform_, &boxState_);
    table_->setZoom(zoom_);
    connect(table_->controls().labSheet1, &QAction::triggered, this, [this] { saveLabSheet(); });
    // not from inside a menu's own handler: its window is about to go
    connect(table_.get(), &TableWindow::zoomChosen, this, [this](int percent) {
        QMetaObject::invokeMethod(
            this, [this, percent] { setZoom(percent); }, Qt::QueuedConnection);
    });
    connect(table_.get(), &TableWindow::languageChosen, this, [this](const QString& code) {
        QMetaObject::invokeMethod(
            this, [this, code] { setLanguage(code); }, Qt::QueuedConnection);
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
    rebuild([this, percent] {
        zoom_ = percent;
        QHighDpiScaling::setGlobalFactor(scaleFor(zoom_, userScale_));
    });
}

void Session::setLanguage(const QString& code)
{
    rebuild([code] { lang::install(code.isEmpty() ? lang::startLanguage() : code); });
}

void Session::rebuild(const std::function<void()>& change, bool reopenData)
{
    if (data_->isOpen()) {
        // the data window's own event loop is on the stack: close it, let the
        // loop end, then make the windows and open it again
        data_->close();
        QMetaObject::invokeMethod(
            this, [this, change] { rebuild(change, true); }, Qt::QueuedConnection);
        return;
    }
    who_ = nameDialog_->name();
    KeptTable kept = table_->keep();   // the classroom stays: only the window's own
    const dw::DataViewModel dataView = data_->viewModel();
    const bool challengeShown = experiments_->challengeShown();
    const bool shown = table_->isVisible();
    // the window's corner stays on the same screen pixel, not at its old place times the factor
    const QPointF native = QPointF(kept.place) * scaleFor(zoom_, userScale_);
    dropWindows();
    change();
    makeWindows();
    kept.place = (native / scaleFor(zoom_, userScale_)).toPoint();
    table_->restore(kept);
    data_->showViewModel(dataView);
    experiments_->showState(challengeShown);
    if (shown) {
        table_->show();
        place::keepOnScreen(*table_);
        // once more when the window manager has framed it: the frame grows then
        QTimer::singleShot(100, table_.get(), [this] { place::keepOnScreen(*table_); });
        table_->activateWindow();   // the keys go on to the new window, as they went to the old
    }
    if (reopenData)
        QMetaObject::invokeMethod(
            this, [this, dataView] { data_->reopen(dataView); }, Qt::QueuedConnection);
}

void Session::runHeadless(int lastTick)
{
    classroom_.commands().runThrough(lastTick);
    rebuild([] {});
}

LabSheet Session::labSheet(const QString& name) const
{
    const dw::DataViewModel view = data_->sheetView();
    return gatherLabSheet({classroom_.room(), view, table_->pictureNow(), experiments_->experimentTitle(),
                           experiments_->experimentText(), name});
}

int Session::rememberedZoom()
{
    return prefs::zoom();
}

void Session::saveLabSheet()
{
    const QString path = platform_.saveFileName(table_.get(), tr("PDF document (*.pdf)"), QStringLiteral("pdf"),
                                                prefs::folder(prefs::Folder::Exports));
    if (path.isEmpty())
        return;
    prefs::rememberFileIn(prefs::Folder::Exports, path);
    const QString error = writeLabSheet(path, labSheet(nameDialog_->name()));
    if (!error.isEmpty())
        platform_.showMessage(table_.get(), error);
}
