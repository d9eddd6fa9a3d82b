#include "setup/presentation_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "engine/numbers.h"
#include "ui/captions.h"
#include "view/class_histogram.h"

namespace {
// where the table picture lies in its panel
const QRect kPicture(sim::kImageLeft, sim::kImageTop, 759, 367);

}   // namespace

PresentationWindow::PresentationWindow(QWidget* table, QLabel* timeLabel, const sim::Classroom& room)
    : QWidget(nullptr, Qt::Window), table_(table), timeLabel_(timeLabel), room_(room), s_(room.state()),
      m_(room.model())
{
    setWindowTitle(tr("Slidora - Presentation"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(1024, 640);
    // every repaint of the table, its picture, a puck or the time repaints this too
    table_->installEventFilter(this);
    for (QWidget* w : table_->findChildren<QWidget*>())
        w->installEventFilter(this);
    timeLabel_->installEventFilter(this);
}

void PresentationWindow::open()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* own = table_->window()->screen();
    for (QScreen* sc : screens) {
        if (sc != own) {
            setGeometry(sc->availableGeometry());
            showFullScreen();
            return;
        }
    }
    show();
    raise();
}

QString PresentationWindow::captionText() const
{
    // held for a prediction: the speeds as they were before the outcome
    const sim::Disclosure d = room_.disclosure();
    int k = s_.viewTick;
    if (d.held())
        k = std::max(1, std::min(k, d.hiddenFrom - 1));
    const sim::VelocitySample& v = s_.sampleLog.velocities[static_cast<size_t>(k)];
    const char* unit = m_.unitText();
    const double red = m_.redSpeedAt(v.redSpeed, k);
    const QString redText = speedCaptionOrHidden(d.launchHiddenAt(k), red, unit);
    QString text = timeLabel_->text() + QStringLiteral("     ") + tr("Red %1").arg(redText);
    if (m_.blackOnTable())
        text += QStringLiteral("     ") + tr("Black %1").arg(speedCaption(v.blackSpeed, unit));
    return text;
}

QImage PresentationWindow::tablePicture() const
{
    auto* self = const_cast<PresentationWindow*>(this);
    self->grabbing_ = true;   // the grab repaints the table: not a change to follow
    const QImage picture = table_->grab(kPicture).toImage();
    self->grabbing_ = false;
    return picture;
}

bool PresentationWindow::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint && !grabbing_ && isVisible())
        update();
    return false;
}

void PresentationWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const QImage picture = tablePicture();
    const QString caption = captionText();
    QFont font = p.font();
    font.setBold(true);
    // large type, as large as the width allows
    int px = std::max(12, height() / 14);
    font.setPixelSize(px);
    while (px > 12 && QFontMetrics(font).horizontalAdvance(caption) > width() - 24)
        font.setPixelSize(--px);
    const int captionH = QFontMetrics(font).height() + 16;
    // the class's predictions, when shown, take the lower part
    const std::optional<sim::ClassPredictions>& predicted = room_.classPredictions();
    const int barsH = predicted ? height() * 2 / 5 : 0;
    const int tableH = height() - captionH - barsH;
    // the largest whole scale that fits keeps every line crisp
    const double fit =
        std::min(static_cast<double>(width()) / picture.width(), static_cast<double>(tableH) / picture.height());
    const double k = fit >= 1.0 ? std::floor(fit) : fit;
    const QSize size(static_cast<int>(picture.width() * k), static_cast<int>(picture.height() * k));
    const QRect target(QPoint((width() - size.width()) / 2, std::max(0, (tableH - size.height()) / 2)), size);
    // shrunk, every line is kept by smoothing; enlarged, whole pixels stay sharp
    p.setRenderHint(QPainter::SmoothPixmapTransform, k < 1.0);
    p.drawImage(target, picture);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, target.bottom() + 4, width(), captionH), Qt::AlignHCenter | Qt::AlignVCenter, caption);
    if (predicted)
        drawClassPredictions(p, QRect(0, height() - barsH, width(), barsH), *predicted,
                             QString::fromLatin1(m_.unitText()).trimmed());
}

void PresentationWindow::closeEvent(QCloseEvent* e)
{
    e->accept();
    emit closed();
}

void PresentationWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F11) {
        isFullScreen() ? showNormal() : showFullScreen();
        return;
    }
    if (e->key() == Qt::Key_Escape && isFullScreen()) {
        showNormal();
        return;
    }
    QWidget::keyPressEvent(e);
}
