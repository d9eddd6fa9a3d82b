#include "experiments/join_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "experiments/hand_in.h"

JoinDialog::JoinDialog(QWidget* parent, const QString& name) : QDialog(parent)
{
    setWindowTitle(tr("Join Class"));
    auto* form = new QFormLayout;
    name_ = new QLineEdit(name, this);
    name_->setMaxLength(100);
    code_ = new QLineEdit(this);
    code_->setPlaceholderText(QStringLiteral("ABCD-EFGH-JKLM-NPQR"));
    code_->setMaxLength(40);
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("&Code:"), code_);
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &JoinDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &JoinDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Your name, and the code on your slip from your teacher."), this));
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
}

QString JoinDialog::name() const
{
    return name_->text().trimmed();
}

void JoinDialog::accept()
{
    QString problem;
    fields_ = cls::readCode(code_->text());
    if (!cls::plainStudentName(name()))
        problem = tr("Type your name as it stands on the class list.");
    else if (!fields_)
        problem = tr("That is not a join code: check each letter and digit against your slip.");
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    if (!problem.isEmpty()) {
        adjustSize();   // the whole reason in view
        (fields_ ? name_ : code_)->setFocus();
        return;
    }
    QDialog::accept();
}
