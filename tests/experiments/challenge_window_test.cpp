#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>

#include "datawin/data_window.h"
#include "datawin/table_page.h"
#include "experiment_fixture.h"
#include "experiments/challenge_dialog.h"
#include "experiments/challenge_setup.h"

namespace {

// Every text a window shows or says of itself, its bars' positions among them.
QStringList textsOf(const QWidget* root)
{
    QStringList t;
    QList<const QWidget*> all{root};
    for (const QWidget* w : root->findChildren<QWidget*>())
        all << w;
    for (const QWidget* w : all) {
        t << w->accessibleName() << w->accessibleDescription() << w->toolTip() << w->windowTitle();
        if (auto* l = qobject_cast<const QLabel*>(w))
            t << l->text();
        if (auto* b = qobject_cast<const QAbstractButton*>(w))
            t << b->text();
        if (auto* e = qobject_cast<const QLineEdit*>(w))
            t << e->text();
        if (auto* e = qobject_cast<const QPlainTextEdit*>(w))
            t << e->toPlainText().split('\n');
        if (auto* s = qobject_cast<const QAbstractSlider*>(w))
            t << QStringLiteral("bar %1").arg(s->value());
        if (auto* g = qobject_cast<const QTableWidget*>(w))
            for (int r = 0; r < g->rowCount(); ++r)
                for (int c = 0; c < g->columnCount(); ++c)
                    if (const QTableWidgetItem* i = g->item(r, c))
                        t << i->text();
    }
    return t;
}

// The unknown in every rounding the program writes it, and as its bar's position.
QRegularExpression valueForms(const sim::ChallengeSet& c)
{
    if (c.kind == sim::ChallengeKind::Restitution)
        return QRegularExpression(QStringLiteral("(?<![\\d.,])(%1(?![\\d.,])|0[.,]%1)|^bar %1$").arg(c.percent));
    const int tenths = c.kind == sim::ChallengeKind::Speed ? c.redSpeed : c.blackMass;
    const QString whole = QString::number(tenths / 10), tenth = QString::number(tenths % 10);
    return QRegularExpression("(?<![\\d.,])" + whole + "[.,]" + tenth + "0?(?!\\d)|^bar " + QString::number(tenths)
                              + "$");
}

class ChallengeWindowTest : public ExperimentTest {
protected:
    void SetUp() override
    {
        ExperimentTest::SetUp();
        data = std::make_unique<DataWindow>(*window, platform);
    }
    // What the class can read once the run is over and the data window opened.
    QStringList everything()
    {
        c().showbt->click();
        for (QCheckBox* column : data->tablePage().findChildren<QCheckBox*>())
            column->setChecked(true);   // every column of the data table
        QStringList t = textsOf(window.get()) + textsOf(data.get()) + textsOf(&box->challengeDialog());
        data->tablePage().copyallbt->click();
        t << platform.copiedTexts.last().split('\n');
        platform.onModal = [&t](QDialog& d) {   // "Set Up Exactly...", as it opens
            t << textsOf(&d);
            return 0;
        };
        c().exactSetUp1->trigger();
        platform.onModal = nullptr;
        // the time column counts every value up to the run's end: not the unknown's doing
        return t.replaceInStrings(QRegularExpression("^ *\\d+\\.\\d\\d\t"), QString());
    }
    std::unique_ptr<DataWindow> data;
};

TEST_F(ChallengeWindowTest, NoWindowShowsTheUnknownUntilItIsRevealed)
{
    const std::pair<sim::ChallengeKind, int> cases[] = {{sim::ChallengeKind::Mass, 3},
                                                        {sim::ChallengeKind::Restitution, 3},
                                                        {sim::ChallengeKind::Speed, 3},
                                                        {sim::ChallengeKind::Glancing, 3}};
    for (const auto& [kind, seed] : cases) {
        SCOPED_TRACE(sim::challengeKindName(kind));
        ChallengeDialog& d = box->challengeDialog();
        d.setUp(kind, seed);
        const QRegularExpression unknown = valueForms(window->room().challenge().set);
        ASSERT_TRUE(unknown.isValid());
        for (int ticks : {4, 316}) {   // stopped before the contact, then after the run
            runAndPause(ticks);
            for (int page : {0, 1, 3})
                data->tabs()->setCurrentIndex(page);
            const QStringList hidden = everything().filter(unknown);
            EXPECT_TRUE(hidden.isEmpty()) << ticks << ": " << hidden.join(" | ").toStdString();
        }
        EXPECT_FALSE(data->tabs()->isTabEnabled(2));   // the momentum arrows weigh the masses

        for (int i = 0; i < 3; ++i) {
            d.answerField()->setText(QStringLiteral("1000"));
            d.checkButton()->click();
        }
        EXPECT_FALSE(d.checkButton()->isEnabled());
        ASSERT_TRUE(d.revealButton()->isEnabled());
        d.revealButton()->click();
        EXPECT_FALSE(everything().filter(unknown).isEmpty());
        c().Resetbt->click();
    }
}

TEST_F(ChallengeWindowTest, ARightAnswerIsWithinAndAChallengeIsNeverSaved)
{
    ChallengeDialog& d = box->challengeDialog();
    d.setUp(sim::ChallengeKind::Mass, 17);
    const double want = sim::challengeAnswer(window->room().challenge().set);
    d.answerField()->setText(QString::number(want * 1.2));
    d.checkButton()->click();
    EXPECT_EQ(d.verdictLabel()->text(), "not yet (1 of 3 tries used)");
    d.answerField()->setText(QString::number(want * 1.04));
    d.checkButton()->click();
    EXPECT_TRUE(d.verdictLabel()->text().startsWith("within 5 %"));
    EXPECT_FALSE(window->room().challenge().hiding());
    EXPECT_TRUE(c().m2sb->isEnabled());

    c().Save1->trigger();
    EXPECT_EQ(platform.messages.value(0), "Challenges can't be saved; note the seed instead");
    EXPECT_FALSE(box->box()->isVisible());
    runEntry(1);   // another set-up ends it
    EXPECT_FALSE(window->room().challenge().on);
}

TEST_F(ChallengeWindowTest, TheCommandLineRefusesToExportAChallenge)
{
    const QString out = path(QStringLiteral("key.csv"));
    const QList<QStringList> refused = {
        {"--export-trace", "--challenge", "mass", "--seed", "3", "--output", out},
        {"--export-data", "--challenge", "speed", "--seed", "3", "--output", out},
        {"--challenge", "mass", "--output", out},
        {"--challenge", "weight", "--seed", "3"},
        {"--challenge", "mass", "--seed", "10000"},
        {"--challenge-key", "mass", "--output", out},
        {"--challenge-key", "mass", "--seeds", "9-2", "--output", out},
        {"--challenge-key", "mass", "--seeds", "1-2", "--catalogue", "3", "--output", out},
        {"--seed", "4"},
        {"--lesson", out, "--challenge", "mass", "--seed", "3"},
        {"--lesson", out, "--export-trace"},
        {"--lesson"},
    };
    expectRefused(refused, out);
    const Outcome key = slidora({"--challenge-key", "speed", "--seeds", "3-3"});
    EXPECT_TRUE(key.out.split('\n').value(1).startsWith("3,3.0,11.3,0,")) << key.out.toStdString();
    EXPECT_EQ(slidora({"--challenge-key", "speed", "--seeds", "3"}).out, key.out);   // one seed alone
}

}   // namespace
