#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "engine/classroom.h"
#include "engine/lesson.h"
#include "experiments/box_model.h"
#include "experiments/class_code.h"
#include "experiments/hand_in.h"
#include "experiments/record_applier.h"

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class TableAccess;
class ChallengeDialog;
class PlatformServices;
struct TableLinks;
namespace exper {
struct CatalogueEntry;
}

// What the Experiment box shows and will do, kept by the session: its
// stage, the file or entry it shows and the words typed into it. A box made
// again for a zoom or a language shows it as it stands.
struct BoxState {
    exper::BoxModel model;
    QString memo, fileName, pending;
    bool prompt = false;   // the memo shows the box's own prompt, not words of the user's
    const exper::CatalogueEntry* entry = nullptr;
    QString title, text;   // the experiment's, for the lab sheet
    // a student who joined a class: the name and the code's fields
    QString joinedName;
    std::optional<cls::CodeFields> joined;
};

// The hand-in of a joined student's challenge as the classroom holds it.
cls::HandIn handInOf(const sim::Classroom& room, const QString& name, const cls::CodeFields& code);

// A lesson file read and checked whole, nothing applied yet.
struct LessonPlan {
    sim::Lesson lesson;
    std::optional<exper::ExperimentRecord> record;
    QStringList lines;   // the experiment's explanation
};
// The plan of the lesson at `path`, or the message why it cannot be opened.
QString planLesson(const QString& path, LessonPlan* plan);

// The Experiment box over the table: Load and Save of experiment files with
// their explanation, and the catalogue under "Run Experiment".
class ExperimentBox : public QObject {
    Q_OBJECT
public:
    // `state`: the session's; a box of its own without one.
    ExperimentBox(TableAccess& window, PlatformServices& platform, BoxState* state = nullptr);

    enum Mode { LoadMode = 1, SaveMode = 2 };

    void openBox(int mode);
    // The box in load mode showing a file, as "Load" shows the one chosen.
    void preview(const QString& path);
    void loadOrSave();
    void yes();
    void no();
    void cancelOrOk();
    void showEntry(const exper::CatalogueEntry& entry);
    // The catalogue's "Ok": parses first, applies only a whole record.
    bool applyExperiment(const QString& parameterText);
    // The "Yes" of a file: the whole file is read and checked first.
    bool applyFile(const QString& path);

    QGroupBox* box() const { return box_; }
    QPlainTextEdit* memo() const { return memo_; }
    QPushButton* loadSaveButton() const { return lsbt_; }
    QPushButton* cancelButton() const { return cancelbt_; }
    QGroupBox* confirmation() const { return yngb_; }
    QPushButton* yesButton() const { return ybt_; }
    QPushButton* noButton() const { return nbt_; }
    int mode() const { return model_.saving() ? SaveMode : LoadMode; }
    const exper::BoxModel& model() const { return model_; }
    const QString& pendingExperiment() const { return pending_; }
    RecordApplier& applier() { return applier_; }
    // File > Challenge: made when first asked for
    ChallengeDialog& challengeDialog();
    // The experiment last applied: its name (the catalogue's caption, or the
    // file's name) and its explanation, for a lab sheet.
    const QString& experimentTitle() const { return title_; }
    const QString& experimentText() const { return text_; }
    // A lesson file read and checked whole, then opened; else why not.
    QString openLesson(const QString& path);
    void openLesson(const LessonPlan& plan);
    // File > Open Lesson: the file chosen, opened, or the message why not.
    void chooseLesson();
    // File > Join Class... and File > Hand In...
    void joinClass();
    void handIn();
    // File > Class Results...: a class file and a folder of hand-ins, on the board
    void showClassResults();
    // File > New Class...: the dialog, then the class file through the safe save
    void newClass();
    // The class's menu entries to the four above.
    void connectClass(const TableLinks& table);
    // `bytes` to `path` through the safe save; a failure said beside the table.
    bool saveBytes(const QString& path, const QByteArray& bytes);
    QString handInPlace() const;
    class ClassBoard* classBoard() const { return board_; }

    bool challengeShown() const;
    // A box made again over the session's state shows it as it stands, its
    // own texts in the language of the moment; `challengeShown`: the
    // Challenge dialog was open over the box it replaces.
    void showState(bool challengeShown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The widgets as the model says: which show, and what Cancel reads.
    void showModel();

    QPushButton* buttonOf(exper::BoxButton b) const;
    void buildRunExperimentMenu(class QMenu* menu);
    void loadFile();
    void showFile(const QString& path);
    void saveFile();
    bool refuseChallenge();
    void showLessonNote(const sim::Lesson& lesson, const QStringList& lines);
    // A text in the box that "Ok" only closes.
    void showNote(const QString& text);
    // The whole file, or a message naming it and why it cannot be had.
    bool readFile(const QString& path, QByteArray* bytes);

    std::unique_ptr<BoxState> own_;
    BoxState& state_;
    TableAccess& w_;
    PlatformServices& platform_;
    RecordApplier applier_;
    ChallengeDialog* challenge_ = nullptr;
    class ClassBoard* board_ = nullptr;
    QString& title_ = state_.title;
    QString& text_ = state_.text;
    QGroupBox* box_;
    QPlainTextEdit* memo_;
    QPushButton* lsbt_;
    QPushButton* cancelbt_;
    QGroupBox* yngb_;
    QPushButton* ybt_;
    QPushButton* nbt_;
    exper::BoxModel& model_ = state_.model;
    QString& fileName_ = state_.fileName;   // the file the open dialog chose last
    QString& pending_ = state_.pending;   // the parameter text of the catalogue entry shown last
    const exper::CatalogueEntry*& entry_ = state_.entry;   // and the entry
};
