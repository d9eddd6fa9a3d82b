#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>

#include "experiments/challenge_dialog.h"
#include "experiments/class_board.h"
#include "experiments/class_collect.h"
#include "experiments/class_file.h"
#include "experiments/experiment_box.h"
#include "experiments/hand_in.h"
#include "experiments/hand_in_dialog.h"
#include "experiments/hand_in_send.h"
#include "experiments/join_dialog.h"
#include "experiments/new_class_dialog.h"
#include "setup/table_access.h"
#include "ui/file_read.h"
#include "ui/platform.h"
#include "ui/preferences.h"
#include "ui/safe_save.h"

// A student in a class: joining with a code, and handing the challenge in.

namespace {
QString utc(long long unixSeconds)
{
    return QDateTime::fromSecsSinceEpoch(unixSeconds, Qt::UTC).toString(Qt::ISODate);
}
}   // namespace

cls::HandIn handInOf(const sim::Classroom& room, const QString& name, const cls::CodeFields& code)
{
    cls::HandIn h;
    h.program = QStringLiteral(SLIDORA_VERSION);
    h.name = name;
    h.classId = code.classId;
    h.kind = code.kind;
    h.seed = code.seed;
    const sim::Challenge& c = room.challenge();
    if (c.on && c.set.kind == code.kind && c.set.seed == code.seed) {   // their own, not one set up since
        for (const sim::CheckedAnswer& a : c.answers)
            h.answers.push_back({a.value, utc(a.unixSeconds), QString::fromLatin1(cls::verdictText(a.verdict))});
        h.tries = c.tries;
        h.revealed = c.revealed && !c.solved;   // found is not given up
    }
    for (const sim::RevealedRun& r : room.revealedRuns())
        if (h.predictions.size() < size_t(cls::kMaxAnswers))
            h.predictions.push_back({r.predicted, r.actual});
    h.handedIn = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    return h;
}

void ExperimentBox::joinClass()
{
    JoinDialog dialog(&w_.tableWidget(), state_.joinedName);
    if (platform_.execModal(dialog) != QDialog::Accepted)
        return;
    state_.joinedName = dialog.name();
    state_.joined = dialog.code();
    challengeDialog().keepTo(state_.joined->kind, state_.joined->seed);
    challengeDialog().setUp(state_.joined->kind, state_.joined->seed);
    challengeDialog().showBesideTable();
}

// Where Hand In goes without asking: the lesson's, else the school's setting.
QString ExperimentBox::handInPlace() const
{
    const std::optional<sim::Lesson>& lesson = w_.room().lesson();
    if (lesson && !lesson->handIn.empty())
        return QString::fromStdString(lesson->handIn).trimmed();
    return prefs::handInTo();
}

void ExperimentBox::handIn()
{
    QWidget* table = &w_.tableWidget();
    if (!state_.joined) {
        platform_.showMessage(table, tr("Join your class first (File > Join Class...)."));
        return;
    }
    const QByteArray bytes =
        cls::handInText(handInOf(w_.room(), state_.joinedName, *state_.joined), cls::handInKey(*state_.joined));
    const QString place = handInPlace();
    if (!place.isEmpty() && QFileInfo(place).isDir()) {   // the class's folder: no question to ask
        const QString path = QDir(place).filePath(cls::collectedFileName(state_.joinedName, bytes));
        if (saveBytes(path, bytes))
            platform_.showMessage(table, tr("Handed in to %1.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    QString error;
    HandInDialog dialog(table, state_.joinedName, cls::collectorUrl(place, &error).isEmpty() ? QString() : place);
    if (platform_.execModal(dialog) != QDialog::Accepted)
        return;
    if (!dialog.url().isEmpty()) {
        prefs::setHandInTo(dialog.addressField()->text().trimmed());
        QPointer<QWidget> parent(table);
        cls::sendHandIn(dialog.url(), bytes, this, [this, parent](bool taken, const QString& line) {
            platform_.showMessage(parent, taken ? tr("Handed in: %1").arg(line) : tr("Not handed in: %1").arg(line));
        });
        return;
    }
    const QString suggested =
        QDir(prefs::folder(prefs::Folder::Exports)).filePath(state_.joinedName + QStringLiteral(".slidora-result"));
    const QString path = platform_.saveFileName(table, tr("Slidora result (*.slidora-result)"),
                                                QStringLiteral("slidora-result"), suggested);
    if (!path.isEmpty())
        saveBytes(path, bytes);
}

void ExperimentBox::showClassResults()
{
    QWidget* table = &w_.tableWidget();
    const QString classPath = platform_.openFileName(table, tr("Slidora class (*.slidora-class)"),
                                                     QStringLiteral("slidora-class"), QString());
    if (classPath.isEmpty())
        return;
    QByteArray bytes;
    QString error;
    cls::ClassFile c;
    if (!files::readRegularFile(classPath, cls::kClassFileLimit, &bytes, &error)
        || !cls::readClassFile(bytes, &c, &error)) {
        platform_.showMessage(table, error);
        return;
    }
    const QString folder = platform_.folderName(table, QFileInfo(classPath).path());
    if (folder.isEmpty())
        return;
    delete board_;   // one board at a time
    board_ = new ClassBoard(c, folder, platform_, table);
    board_->setAttribute(Qt::WA_DeleteOnClose);
    board_->onPredictions([this](const std::optional<sim::ClassPredictions>& p) {
        w_.classroom().run(&sim::Classroom::showClassPredictions, p);
    });
    connect(board_, &QObject::destroyed, this, [this] { board_ = nullptr; });
    // closed by the teacher: off the projector with it
    connect(board_, &QDialog::finished, this,
            [this] { w_.classroom().run(&sim::Classroom::showClassPredictions, std::nullopt); });
    board_->show();
}

void ExperimentBox::newClass()
{
    QWidget* table = &w_.tableWidget();
    NewClassDialog dialog(platform_, table);
    if (platform_.execModal(dialog) != QDialog::Accepted)
        return;
    const QString path = platform_.saveFileName(table, tr("Slidora class (*.slidora-class)"),
                                                QStringLiteral("slidora-class"), QString());
    if (path.isEmpty())
        return;
    const QByteArray bytes = cls::classFileText(cls::newClass(dialog.className(), dialog.kind(), dialog.students()));
    saveBytes(path, bytes);
}

void ExperimentBox::connectClass(const TableLinks& table)
{
    connect(table.joinClass, &QAction::triggered, this, [this] { joinClass(); });
    connect(table.handIn, &QAction::triggered, this, [this] { handIn(); });
    connect(table.newClass, &QAction::triggered, this, [this] { newClass(); });
    connect(table.classResults, &QAction::triggered, this, [this] { showClassResults(); });
}

bool ExperimentBox::saveBytes(const QString& path, const QByteArray& bytes)
{
    SafeSave save(path);
    if (save.open())
        save.write(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (save.commit())
        return true;
    platform_.showMessage(&w_.tableWidget(), save.message());
    return false;
}
