// The Experiment box from the keyboard, and the flows that must not lose a
// set-up or a file.
#include "experiments/experiment_fixture.h"

#include <QApplication>
#include <QMenu>

class BoxKeysTest : public ExperimentTest {
protected:
    void SetUp() override
    {
        ExperimentTest::SetUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // through the window, as the system delivers keys: shortcuts first
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(window->windowHandle(), Qt::Key(key), mods);
        if (mods & Qt::AltModifier)
            QTest::qWait(150);   // a button's access key clicks it after 100 ms
        QApplication::processEvents();
    }
    // The TEC entry of "2-D Collision Samples #1": red up, black right.
    void showEntry() { box->showEntry(*exper::catalogueExperiment(9)); }
    bool entryApplied() { return c().v1sb->value() == 50 && s().red.startLeft == 199; }
};

TEST_F(BoxKeysTest, ReturnAndAltOPressOkOfACatalogueEntry)
{
    for (bool alt : {false, true}) {
        showEntry();
        ASSERT_TRUE(box->cancelButton()->hasFocus());
        if (alt)
            press(Qt::Key_O, Qt::AltModifier);
        else
            press(Qt::Key_Return);
        EXPECT_TRUE(box->box()->isHidden()) << alt;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "a menu opened";
        EXPECT_EQ(exper::parameterText(now()), exper::catalogueExperiment(9)->parameterText()) << alt;
        c().Resetbt->click();
        c().m1sb->setValue(30);
    }
}

TEST_F(BoxKeysTest, TheTablesKeysDoNotActBehindTheBox)
{
    showEntry();
    for (int key : {Qt::Key_S, Qt::Key_F, Qt::Key_R, Qt::Key_X}) {
        press(key, Qt::AltModifier);
        EXPECT_FALSE(c().colltimer->isActive()) << key;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << key;
        EXPECT_FALSE(box->box()->isHidden()) << key;
    }
    EXPECT_TRUE(window->isVisible());
    // once the box is gone, Alt+S starts again
    press(Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(box->box()->isHidden());
    c().Startbt->setFocus();
    press(Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(c().colltimer->isActive());
}

TEST_F(BoxKeysTest, LoadPreviewYesAndNoFromTheKeyboard)
{
    save(QStringLiteral("keys.col"), QStringLiteral("From the keys"));
    const ExperimentRecord saved = now();
    c().m1sb->setValue(77);
    c().Load1->trigger();
    platform.openAnswers.push_back(path(QStringLiteral("keys.col")));
    press(Qt::Key_L, Qt::AltModifier);
    ASSERT_FALSE(box->confirmation()->isHidden());
    EXPECT_EQ(box->memo()->toPlainText(), "From the keys");
    press(Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(box->confirmation()->isHidden());
    EXPECT_EQ(box->memo()->toPlainText(), "Click load to choose a file!");
    platform.openAnswers.push_back(path(QStringLiteral("keys.col")));
    box->memo()->setFocus();
    press(Qt::Key_Return);   // "Load", the default while no file is shown
    ASSERT_FALSE(box->confirmation()->isHidden());
    press(Qt::Key_Return);   // "Yes"
    EXPECT_TRUE(box->box()->isHidden());
    EXPECT_EQ(now(), saved);
}

TEST_F(BoxKeysTest, SaveModeTypesLineEndsAndSavesWithAltS)
{
    c().Save1->trigger();
    box->memo()->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(box->memo(), QStringLiteral("one"));
    QTest::keyClick(box->memo(), Qt::Key_Return);
    QTest::keyClicks(box->memo(), QStringLiteral("two"));
    EXPECT_EQ(box->memo()->toPlainText(), "one\ntwo");
    EXPECT_FALSE(box->box()->isHidden());
    platform.saveAnswers.push_back(path(QStringLiteral("typed.col")));
    press(Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(box->box()->isHidden());
    EXPECT_FALSE(c().colltimer->isActive());
    EXPECT_TRUE(read(QStringLiteral("typed.col")).startsWith("one\r\ntwo\r\nSTART EXPERIMENT DATA\r\n"));
}

TEST_F(BoxKeysTest, SaveOrLoadChosenOverACatalogueEntrySwitchTheBox)
{
    c().m1sb->setValue(77);
    const ExperimentRecord mine = now();
    showEntry();
    c().Save1->trigger();
    EXPECT_FALSE(box->loadSaveButton()->isHidden());
    EXPECT_EQ(box->loadSaveButton()->text(), "&Save");
    EXPECT_EQ(box->cancelButton()->text(), "&Cancel");
    EXPECT_EQ(box->memo()->toPlainText(), "Type in explaination here!");
    box->memo()->setPlainText(QStringLiteral("mine"));
    platform.saveAnswers.push_back(path(QStringLiteral("mine.col")));
    box->loadSaveButton()->click();
    EXPECT_TRUE(box->box()->isHidden());
    EXPECT_EQ(now(), mine);   // the catalogue entry was not applied
    const exper::ExperimentFile f = exper::parseExperimentFile(read(QStringLiteral("mine.col")).toStdString());
    ASSERT_TRUE(f.record);
    EXPECT_EQ(*f.record, mine);

    showEntry();
    c().Load1->trigger();
    EXPECT_EQ(box->loadSaveButton()->text(), "&Load");
    EXPECT_FALSE(box->loadSaveButton()->isHidden());
    EXPECT_EQ(box->cancelButton()->text(), "&Cancel");
    box->cancelButton()->click();
    EXPECT_EQ(now(), mine);
}

TEST_F(BoxKeysTest, AMemoLineReadingAsTheMarkerIsRefused)
{
    write(QStringLiteral("kept.col"), "old\r\n");
    c().Save1->trigger();
    box->memo()->setPlainText(QStringLiteral("Title\nSTART EXPERIMENT DATA\nmore"));
    platform.saveAnswers.push_back(path(QStringLiteral("kept.col")));
    box->loadSaveButton()->click();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith("Line 2 of the explanation reads \"START EXPERIMENT DATA\""));
    EXPECT_EQ(read(QStringLiteral("kept.col")), "old\r\n");
    EXPECT_FALSE(box->box()->isHidden());
    EXPECT_EQ(platform.saveAnswers.size(), 1u);   // no file was asked for
    // the same words with a blank after the marker's text are saved
    box->memo()->setPlainText(QStringLiteral("Title\nSTART EXPERIMENT DATA \nmore"));
    box->loadSaveButton()->click();
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(read(QStringLiteral("kept.col")).startsWith("Title\r\nSTART EXPERIMENT DATA \r\nmore\r\n"));
}
