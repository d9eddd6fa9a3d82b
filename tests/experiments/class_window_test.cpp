// A student joins a class with the code from a slip and hands the challenge in.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>

#include "experiment_fixture.h"
#include "experiments/challenge_dialog.h"
#include "experiments/challenge_setup.h"
#include "experiments/class_board.h"
#include "experiments/class_collector.h"
#include "experiments/class_results.h"
#include "experiments/hand_in_dialog.h"
#include "experiments/join_dialog.h"
#include "experiments/new_class_dialog.h"
#include "setup/controls.h"
#include "ui/preferences.h"
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

TEST_F(ExperimentTest, AStudentJoinsWithTheirCodeAndHandsInWhatTheBoardCountsRight)
{
    const cls::ClassFile klass = cls::newClass(QStringLiteral("7b"), sim::ChallengeKind::Speed,
                                               {QStringLiteral("Zoë Çelik"), QStringLiteral("Li Wei")});
    const cls::Student& zoe = klass.students[0];
    QString mistyped = klass.codeOf(zoe);
    mistyped[2] = mistyped[2] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    QString problem;
    platform.onModal = [&](QDialog& d) {
        if (auto* where = dynamic_cast<HandInDialog*>(&d)) {
            where->toFile()->setChecked(true);
            where->accept();
            return where->result();
        }
        auto& join = dynamic_cast<JoinDialog&>(d);
        join.nameField()->setText(zoe.name);
        join.codeField()->setText(mistyped);
        join.accept();   // stays open and says so, naming nobody
        problem = join.problem()->text();
        join.codeField()->setText(klass.codeOf(zoe).toLower());
        join.accept();
        return join.result();
    };
    c().joinClass1->trigger();
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_FALSE(problem.contains(QLatin1String("Li Wei")));
    const sim::Challenge& challenge = window->room().challenge();
    ASSERT_TRUE(challenge.on);
    EXPECT_EQ(challenge.set.seed, zoe.seed);
    EXPECT_FALSE(box->challengeDialog().seedBox()->isEnabled());   // their own seed, no other
    const double right = sim::challengeAnswer(exper::challengeSet(klass.kind, zoe.seed));
    window->classroom().run(&sim::Classroom::answer, right * 3, nullptr);
    window->classroom().run(&sim::Classroom::answer, right, nullptr);

    platform.saveAnswers.push_back(path(QStringLiteral("zoe.slidora-result")));
    c().handIn1->trigger();
    QFile file(path(QStringLiteral("zoe.slidora-result")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const cls::ClassResults r = cls::gatherResults(klass, {{QStringLiteral("zoe"), file.readAll()}});
    EXPECT_TRUE(r.rejected.empty());
    EXPECT_TRUE(r.rows[0].handedIn && r.rows[0].right && !r.rows[0].revealed);
    EXPECT_EQ(r.rows[0].tries, 2);   // a wrong answer, then the right one
    EXPECT_FALSE(r.rows[1].handedIn);
}

// The board shows the roster at once, and a hand-in dropped into its folder as it comes.
TEST_F(ExperimentTest, TheBoardShowsAHandInThatArrivesInItsFolder)
{
    const cls::ClassFile klass =
        cls::newClass(QStringLiteral("7b"), sim::ChallengeKind::Mass, {QStringLiteral("Åsa"), QStringLiteral("Ben")});
    QDir(dir.path()).mkdir(QStringLiteral("in"));
    write(QStringLiteral("in/junk.slidora-result"), "not json");
    write(QStringLiteral("7b.slidora-class"), cls::classFileText(klass));
    platform.openAnswers.push_back(path(QStringLiteral("7b.slidora-class")));
    platform.folderAnswers.push_back(path(QStringLiteral("in")));
    c().classResults1->trigger();
    ASSERT_TRUE(box->classBoard());
    ClassBoard& board = *box->classBoard();
    QSignalSpy shown(&board, &ClassBoard::shown);
    ASSERT_TRUE(shown.wait(5000));
    EXPECT_EQ(board.rows()->rowCount(), 2);
    EXPECT_EQ(board.rows()->item(0, 1)->text(), QStringLiteral("no"));
    EXPECT_EQ(board.apart()->item(0, 1)->text(), QStringLiteral("not a Slidora result file"));

    cls::HandIn h;
    h.name = QStringLiteral("Åsa");
    h.classId = cls::classIdOf(klass.secret);
    h.seed = klass.students[0].seed;
    write(QStringLiteral("in/asa.slidora-result"),
          cls::handInText(h, cls::handInKey(klass.fieldsOf(klass.students[0]))));
    ASSERT_TRUE(shown.wait(5000));
    EXPECT_EQ(board.rows()->item(0, 1)->text(), QStringLiteral("yes"));
}

// Ben joins and hands in over the network to the board's collector; with a
// class folder in the settings, Hand In asks nothing and writes there.
TEST_F(ExperimentTest, HandInGoesToTheBoardsCollectorOrTheSettingsFolder)
{
    const cls::ClassFile klass = cls::newClass(QStringLiteral("7b"), sim::ChallengeKind::Mass, {QStringLiteral("Ben")});
    QDir(dir.path()).mkdir(QStringLiteral("in"));
    write(QStringLiteral("7b.slidora-class"), cls::classFileText(klass));
    platform.openAnswers.push_back(path(QStringLiteral("7b.slidora-class")));
    platform.folderAnswers.push_back(path(QStringLiteral("in")));
    c().classResults1->trigger();
    ClassBoard& board = *box->classBoard();
    QTcpServer probe;   // a port free a moment ago
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    board.portField()->setValue(probe.serverPort());
    probe.close();
    board.collectButton()->click();
    ASSERT_TRUE(board.collector()) << board.collecting()->text().toStdString();

    QString address = QStringLiteral("127.0.0.1:%1").arg(board.portField()->value());
    platform.onModal = [&](QDialog& d) {
        if (auto* where = dynamic_cast<HandInDialog*>(&d)) {
            where->toTeacher()->setChecked(true);
            where->addressField()->setText(address);
            where->accept();
            return where->result();
        }
        auto& join = dynamic_cast<JoinDialog&>(d);
        join.nameField()->setText(QStringLiteral("Ben"));
        join.codeField()->setText(klass.codeOf(klass.students[0]));
        join.accept();
        return join.result();
    };
    c().joinClass1->trigger();
    QSignalSpy shown(&board, &ClassBoard::shown);
    c().handIn1->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.messages.isEmpty(); }, 5000));
    EXPECT_TRUE(platform.messages.last().startsWith(QStringLiteral("Handed in: received: Ben")))
        << platform.messages.last().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.rows()->item(0, 1)->text() == QStringLiteral("yes"); }, 5000));
    board.collectButton()->click();   // stops: nothing listens any more
    EXPECT_FALSE(board.collector());
    c().handIn1->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform.messages.size() == 2; }, 5000));
    EXPECT_TRUE(platform.messages.last().startsWith(QStringLiteral("Not handed in: the collector at")))
        << platform.messages.last().toStdString();

    QDir(dir.path()).mkdir(QStringLiteral("drive"));
    prefs::setHandInTo(path(QStringLiteral("drive")));
    platform.onModal = [](QDialog&) -> int {
        ADD_FAILURE() << "asked where to hand in";
        return QDialog::Rejected;
    };
    c().handIn1->trigger();
    EXPECT_EQ(QDir(path(QStringLiteral("drive"))).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(platform.messages.last().startsWith(QStringLiteral("Handed in to ")));
}

// The teacher puts the class's handed-in predictions on the projector and takes them off.
TEST_F(ExperimentTest, TheBoardShowsTheClassPredictionsOnThePresentationWindow)
{
    const cls::ClassFile klass = cls::newClass(QStringLiteral("7b"), sim::ChallengeKind::Mass, {QStringLiteral("Åsa")});
    QDir(dir.path()).mkdir(QStringLiteral("in"));
    cls::HandIn h;
    h.name = QStringLiteral("Åsa");
    h.classId = cls::classIdOf(klass.secret);
    h.seed = klass.students[0].seed;
    h.predictions.push_back({{1.0, 180.0, 4.5, 0.0}, {0.0, 0.0, 5.0, 0.0}});
    write(QStringLiteral("in/asa.slidora-result"),
          cls::handInText(h, cls::handInKey(klass.fieldsOf(klass.students[0]))));
    write(QStringLiteral("7b.slidora-class"), cls::classFileText(klass));
    platform.openAnswers.push_back(path(QStringLiteral("7b.slidora-class")));
    platform.folderAnswers.push_back(path(QStringLiteral("in")));
    c().classResults1->trigger();
    ClassBoard& board = *box->classBoard();
    ASSERT_TRUE(QSignalSpy(&board, &ClassBoard::shown).wait(5000));
    EXPECT_FALSE(window->room().classPredictions());   // not until the teacher asks
    board.projectPredictions()->setChecked(true);
    ASSERT_TRUE(window->room().classPredictions());
    EXPECT_EQ(window->room().classPredictions()->values, std::vector<double>{4.5});
    board.predictedValue()->setCurrentIndex(int(sim::PredictedOf::RedDirection));
    EXPECT_EQ(window->room().classPredictions()->values, std::vector<double>{180.0});
    board.reject();
    EXPECT_FALSE(window->room().classPredictions());
}

// A teacher makes a class from a names file; a blank line is said first, with its line.
TEST_F(ExperimentTest, NewClassMakesAClassFileFromANamesFile)
{
    write(QStringLiteral("bad.txt"), "Anna\n\nBen\n");
    write(QStringLiteral("names.txt"), "Anna\nBen\n");
    QString problem;
    platform.onModal = [&](QDialog& d) {
        auto& dialog = dynamic_cast<NewClassDialog&>(d);
        dialog.nameField()->setText(QStringLiteral("7b"));
        dialog.namesFileField()->setText(path(QStringLiteral("bad.txt")));
        dialog.accept();
        problem = dialog.problem()->text();
        dialog.namesFileField()->setText(path(QStringLiteral("names.txt")));
        dialog.accept();
        return dialog.result();
    };
    platform.saveAnswers.push_back(path(QStringLiteral("7b.slidora-class")));
    c().newClass1->trigger();
    EXPECT_EQ(problem, QStringLiteral("The names file: line 2 is blank"));
    QFile file(path(QStringLiteral("7b.slidora-class")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    cls::ClassFile made;
    QString error;
    ASSERT_TRUE(cls::readClassFile(file.readAll(), &made, &error)) << error.toStdString();
    EXPECT_EQ(made.name, QStringLiteral("7b"));
    EXPECT_EQ(made.students.size(), 2u);
}
