#include "view/name_dialog.h"

#include "ui/placement.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

NameDialog::NameDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(tr("I am ...."));
    setFixedSize(204, 143);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, windowColour());
    setPalette(pal);
    setAutoFillBackground(true);

    auto* box = new QGroupBox(tr("Name"), this);
    box->setObjectName(QStringLiteral("namegb"));
    box->setGeometry(10, 12, 180, 63);
    QPalette boxPal = box->palette();
    boxPal.setColor(QPalette::Window, QColor(169, 150, 109));
    box->setPalette(boxPal);
    box->setAutoFillBackground(true);
    Iam_ = new QLineEdit(box);
    Iam_->setObjectName(QStringLiteral("Iam"));
    Iam_->setGeometry(23, 23, 121, 24);
    Iam_->setAccessibleName(tr("Name"));
    auto* hint = new QLabel(tr("Name will appear on printout"), this);
    hint->setObjectName(QStringLiteral("namelb"));
    hint->move(8, 80);
    hint->adjustSize();
    ok_ = new QPushButton(tr("Ok"), this);
    ok_->setObjectName(QStringLiteral("okbt"));
    ok_->setGeometry(51, 101, 89, 33);
    ok_->setDefault(true);   // Enter in the name field presses it
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

QString NameDialog::name() const
{
    return Iam_->text();
}

void NameDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(place::onScreen(area, QRect(area.center() - rect().center(), size())));
    }
    Iam_->setFocus();
}
