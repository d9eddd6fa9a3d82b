#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/lesson.h"
#include "experiments/catalogue.h"
#include "experiments/challenge_dialog.h"
#include "experiments/experiment_box.h"
#include "experiments/file_reading.h"
#include "experiments/text_encoding.h"
#include "setup/table_access.h"
#include "ui/file_read.h"
#include "ui/platform.h"
#include "ui/preferences.h"

// Lesson files: read and checked whole, then the experiment or the
// challenge, the lock, and the teacher's note in the box.

namespace {
QString inLesson(const QString& path, const QString& what)
{
    return QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(path), what);
}

// "\"<file>\": Line N: ..." in the user's language.
QString lessonMessage(const QString& path, const sim::LessonError& e)
{
    QString m = QCoreApplication::translate("Lesson", e.pattern);
    if (m.contains(QLatin1String("%1")))
        m = m.arg(e.line);
    if (m.contains(QLatin1String("%2")))
        m = m.arg(QString::fromStdString(e.word));
    return inLesson(path, m);
}

}   // namespace

QString planLesson(const QString& path, LessonPlan* plan)
{
    QByteArray bytes;
    QString error;
    if (!files::readRegularFile(path, files::kLessonLimit, &bytes, &error))
        return QCoreApplication::translate("Lesson", "The lesson file can't be read: %1").arg(error);
    const sim::LessonParse p = sim::parseLesson(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!p.lesson)
        return lessonMessage(path, p.error);
    plan->lesson = *p.lesson;
    const sim::Lesson& l = plan->lesson;
    if (l.catalogue > 0) {
        const exper::CatalogueEntry* e = exper::catalogueExperiment(l.catalogue);
        plan->record = exper::parseParameterText(e->parameterText()).record;
        for (int i = 0; i < e->lineCount; ++i)
            plan->lines << QCoreApplication::translate("Catalogue", e->lines[i]);
    } else if (!l.file.empty()) {
        const QString file = QFileInfo(path).dir().filePath(QString::fromStdString(l.file));
        QByteArray col;
        QString error;
        if (!readExperimentBytes(file, &col, &error))
            return inLesson(path,
                            QCoreApplication::translate("Lesson", "Line %1: %2").arg(l.experimentLine).arg(error));
        const exper::ExperimentFile parsed = exper::parseExperimentFile(std::string_view(col.constData(), col.size()));
        if (!parsed.record)
            return inLesson(path,
                            QCoreApplication::translate("Lesson", "Line %1: %2")
                                .arg(l.experimentLine)
                                .arg(parseErrorMessage(file, *parsed.error)));
        plan->record = parsed.record;
        for (const std::string& line : exper::decodeLines(parsed.lines))
            plan->lines << QString::fromStdString(line);
    }
    return {};
}

QString ExperimentBox::openLesson(const QString& path)
{
    LessonPlan plan;
    if (const QString error = planLesson(path, &plan); !error.isEmpty())
        return error;
    openLesson(plan);
    return {};
}

void ExperimentBox::openLesson(const LessonPlan& plan)
{
    if (sim::runStarted(w_.room().state()))
        w_.resetRun();
    if (plan.record)
        applier_.apply(*plan.record,
                       plan.lesson.catalogue > 0 ? RecordApplier::Source::Catalogue : RecordApplier::Source::File);
    w_.classroom().run(&sim::Classroom::openLesson, plan.lesson);
    showLessonNote(plan.lesson, plan.lines);
    title_ = QString::fromStdString(plan.lesson.title);   // what a lab sheet is headed with
    text_ = memo_->toPlainText();
    if (plan.lesson.challenge)
        challengeDialog().showBesideTable();
}

// The title over the box, the note above the experiment's own text; "Ok" closes it.
void ExperimentBox::showLessonNote(const sim::Lesson& lesson, const QStringList& lines)
{
    const QString note = QString::fromStdString(lesson.note);
    if (lesson.title.empty() && note.isEmpty() && lines.isEmpty())
        return;
    QStringList text;
    if (!note.isEmpty())
        text << note << QString();
    showNote((text + lines).join(QLatin1Char('\n')));
}

void ExperimentBox::showNote(const QString& text)
{
    if (w_.room().lesson())
        box_->setTitle(QString::fromStdString(w_.room().lesson()->title));
    memo_->setReadOnly(true);
    memo_->setPlainText(text);
    entry_ = nullptr;
    pending_ = QStringLiteral(" ");   // nothing left to apply
    model_.entryShown();
    showModel();
    box_->raise();
    cancelbt_->setFocus();
}

void ExperimentBox::chooseLesson()
{
    const QString path = platform_.openFileName(&w_.tableWidget(), tr("Lessons (*.ini);;All files (*)"),
                                                QStringLiteral("ini"), prefs::folder(prefs::Folder::Experiments));
    if (path.isEmpty())
        return;
    if (const QString error = openLesson(path); !error.isEmpty())
        platform_.showMessage(&w_.tableWidget(), error);
}
