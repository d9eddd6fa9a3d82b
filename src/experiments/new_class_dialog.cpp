#include "experiments/new_class_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "experiments/class_file.h"
#include "ui/file_read.h"
#include "ui/platform.h"

NewClassDialog::NewClassDialog(PlatformServices& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    setWindowTitle(tr("New Class"));
    name_ = new QLineEdit(this);
    name_->setMaxLength(100);
    kind_ = new QComboBox(this);
    for (int k = 0; k < sim::kChallengeKindCount; ++k)
        kind_->addItem(QString::fromLatin1(sim::challengeKindName(static_cast<sim::ChallengeKind>(k))));
    file_ = new QLineEdit(this);
    auto* choose = new QPushButton(tr("C&hoose..."), this);
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString path = platform_.openFileName(this, tr("Names, one a line (*.txt);;All files (*)"),
                                                    QStringLiteral("txt"), QString());
        if (!path.isEmpty())
            file_->setText(path);
    });
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_);
    fileRow->addWidget(choose);
    auto* form = new QFormLayout;
    form->addRow(tr("Class na&me:"), name_);
    form->addRow(tr("&Challenge:"), kind_);
    form->addRow(tr("&Names file:"), fileRow);
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewClassDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewClassDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
}

QString NewClassDialog::className() const
{
    return name_->text().trimmed();
}

sim::ChallengeKind NewClassDialog::kind() const
{
    return static_cast<sim::ChallengeKind>(kind_->currentIndex());
}

void NewClassDialog::accept()
{
    QString problem;
    QByteArray bytes;
    QStringList names;
    if (className().isEmpty())
        problem = tr("The class needs a name.");
    else if (!files::readRegularFile(file_->text(), cls::kRosterLimit, &bytes, &problem)
             || !cls::readRoster(bytes, &names, &problem))
        problem = tr("The names file: %1").arg(problem);
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    if (!problem.isEmpty())
        return;
    students_ = names;
    QDialog::accept();
}
