#include "experiments/hand_in_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "experiments/hand_in_send.h"

HandInDialog::HandInDialog(QWidget* parent, const QString& name, const QString& address) : QDialog(parent)
{
    setWindowTitle(tr("Hand In"));
    toFile_ = new QRadioButton(tr("Save it as a &file, to hand in on a drive or stick"), this);
    toTeacher_ = new QRadioButton(tr("&Send it to the teacher's Slidora at:"), this);
    address_ = new QLineEdit(address, this);
    address_->setPlaceholderText(QStringLiteral("192.168.1.20:8765"));
    address_->setMaxLength(200);
    (address.isEmpty() ? toFile_ : toTeacher_)->setChecked(true);
    address_->setEnabled(toTeacher_->isChecked());
    connect(toTeacher_, &QRadioButton::toggled, this, [this](bool on) {
        address_->setEnabled(on);
        if (on)
            address_->setFocus();   // the next thing to type
    });
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &HandInDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &HandInDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Hand in what %1 has done with the challenge:").arg(name), this));
    layout->addWidget(toFile_);
    layout->addWidget(toTeacher_);
    layout->addWidget(address_);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
}

void HandInDialog::accept()
{
    url_ = QUrl();
    if (toTeacher_->isChecked()) {
        QString problem;
        url_ = cls::collectorUrl(address_->text(), &problem);
        problem_->setText(problem);
        problem_->setVisible(url_.isEmpty());
        if (url_.isEmpty()) {
            adjustSize();   // the whole reason in view
            address_->setFocus();
            return;
        }
    }
    QDialog::accept();
}
