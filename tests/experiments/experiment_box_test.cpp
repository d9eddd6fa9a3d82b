// The Experiment box: Load, Save and their files.
#include "experiments/experiment_fixture.h"

TEST_F(ExperimentTest, OpeningTheBoxInEachMode)
{
    c().Load1->trigger();
    EXPECT_FALSE(box->box()->isHidden());
    EXPECT_EQ(box->box()->title(), "Load an Experiment");
    EXPECT_EQ(box->memo()->toPlainText(), "Click load to choose a file!");
    EXPECT_TRUE(box->memo()->isReadOnly());
    EXPECT_EQ(box->loadSaveButton()->text(), "&Load");
    EXPECT_TRUE(box->confirmation()->isHidden());
    c().Save1->trigger();
    EXPECT_EQ(box->box()->title(), "Save an Experiment");
    EXPECT_EQ(box->memo()->toPlainText(), "Type in explaination here!");
    EXPECT_FALSE(box->memo()->isReadOnly());
    EXPECT_EQ(box->loadSaveButton()->text(), "&Save");
    box->cancelButton()->click();
    EXPECT_TRUE(box->box()->isHidden());
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(ExperimentTest, TheMemoClearsOnlyItsPromptWhenEntered)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    c().Save1->trigger();
    box->memo()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(box->memo()->toPlainText(), "");
    QTest::keyClicks(box->memo(), QStringLiteral("My words"));
    c().Startbt->setFocus();
    box->memo()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(box->memo()->toPlainText(), "My words");
    // a cancelled save dialog keeps the box open with the text
    box->loadSaveButton()->click();
    EXPECT_FALSE(box->box()->isHidden());
    EXPECT_EQ(box->memo()->toPlainText(), "My words");
}

TEST_F(ExperimentTest, SaveAndLoadRestoreTheSetUp)
{
    // a set-up away from the defaults
    c().scaleSmall->trigger();
    c().Labelmass1->trigger();
    c().Labelmass1->trigger();   // ticked, then cleared again
    c().m1sb->setValue(35);
    c().v2sb->setValue(12);
    c().circleMedium->trigger();
    c().cbfreq->setCurrentIndex(2);
    window->puckPlacer().buttonDown();
    window->puckPlacer().puckDrag(1, 40, -60);
    window->puckPlacer().buttonUp();
    const ExperimentRecord saved = now();
    save(QStringLiteral("a.col"), QStringLiteral("A title\nsecond line"));
    EXPECT_TRUE(box->box()->isHidden());
    const QByteArray bytes = read(QStringLiteral("a.col"));
    EXPECT_TRUE(bytes.startsWith("A title\r\nsecond line\r\nSTART EXPERIMENT DATA\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n1 50 122 2\r\n"));   // Medium circles, Small scale, 5 Hz

    // change everything back, then load
    c().Recenterbt->click();
    c().scaleLarge->trigger();
    c().m1sb->setValue(5);
    c().circleSmall->trigger();
    c().Centerofmass1->trigger();
    preview(QStringLiteral("a.col"));
    EXPECT_EQ(box->memo()->toPlainText(), "A title\nsecond line");
    EXPECT_FALSE(box->confirmation()->isHidden());
    box->yesButton()->click();
    EXPECT_TRUE(box->box()->isHidden());
    EXPECT_TRUE(box->confirmation()->isHidden());
    EXPECT_EQ(box->memo()->toPlainText(), "A title\nsecond line");   // kept, only hidden
    EXPECT_EQ(now(), saved);
    EXPECT_EQ(s().scale, 50.0);
    EXPECT_FALSE(c().Labelmass1->isChecked());
    EXPECT_FALSE(c().Centerofmass1->isChecked());
    EXPECT_EQ(c().puck1->width(), 31);
    EXPECT_EQ(c().m1lb->text(), "Mass 1: 3.5 kg");
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(ExperimentTest, EmptyMemoAndEightBitText)
{
    save(QStringLiteral("empty.col"), QString());
    EXPECT_TRUE(read(QStringLiteral("empty.col")).startsWith("\r\nSTART EXPERIMENT DATA\r\n"));
    preview(QStringLiteral("empty.col"));
    EXPECT_EQ(box->memo()->toPlainText(), "");
    EXPECT_FALSE(box->confirmation()->isHidden());

    save(QStringLiteral("cafe.col"), QStringLiteral("caf\u00e9 \u20ac"));
    EXPECT_TRUE(read(QStringLiteral("cafe.col")).startsWith("caf\xe9 \x80\r\n"));
    save(QStringLiteral("omega.col"), QStringLiteral("\u03a9 caf\u00e9"));
    EXPECT_TRUE(read(QStringLiteral("omega.col")).startsWith("\xce\xa9 caf\xc3\xa9\r\n"));
    preview(QStringLiteral("cafe.col"));
    EXPECT_EQ(box->memo()->toPlainText(), QStringLiteral("caf\u00e9 \u20ac"));
    preview(QStringLiteral("omega.col"));
    EXPECT_EQ(box->memo()->toPlainText(), QStringLiteral("\u03a9 caf\u00e9"));
}

TEST_F(ExperimentTest, DamagedFilesChangeNothing)
{
    const ExperimentRecord before = now();
    write(QStringLiteral("bad.col"), "Broken\r\nSTART EXPERIMENT DATA\r\n300 100 350 110\r\n5 6 7,5 8\r\n");
    preview(QStringLiteral("bad.col"));
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("bad.col")));
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("line 4: Invalid numeric input")));
    EXPECT_TRUE(box->confirmation()->isHidden());   // no "Yes" for it
    EXPECT_EQ(box->memo()->toPlainText(), "Broken");
    // "Yes" on a file spoiled after its preview applies nothing either
    write(QStringLiteral("late.col"), QByteArray("Fine\r\n") + "START EXPERIMENT DATA\r\n300 100 350 110\r\n");
    preview(QStringLiteral("late.col"));
    EXPECT_FALSE(box->confirmation()->isHidden());
    write(QStringLiteral("late.col"), "Fine\r\nSTART EXPERIMENT DATA\r\n300 100 350 110\r\nfive\r\n");
    box->yesButton()->click();
    EXPECT_EQ(platform.messages.size(), 2);
    EXPECT_FALSE(box->box()->isHidden());

    write(QStringLiteral("nomarker.col"), "Only words\r\n1 2 3 4\r\n");
    preview(QStringLiteral("nomarker.col"));
    EXPECT_EQ(platform.messages.size(), 3);
    EXPECT_TRUE(box->confirmation()->isHidden());

    preview(QStringLiteral("missing.col"));
    ASSERT_EQ(platform.messages.size(), 4);
    EXPECT_TRUE(platform.messages[3].contains(QStringLiteral("File not found")));
    EXPECT_EQ(now(), before);
    EXPECT_EQ(s().red.x, c().puck1->x());
}

TEST_F(ExperimentTest, AFileNamedOnTheCommandLineIsPreviewed)
{
    save(QStringLiteral("given.col"), QStringLiteral("From the command line"));
    box->box()->hide();
    box->preview(path(QStringLiteral("given.col")));
    EXPECT_FALSE(box->box()->isHidden());
    EXPECT_EQ(box->box()->title(), "Load an Experiment");
    EXPECT_EQ(box->memo()->toPlainText(), "From the command line");
    EXPECT_FALSE(box->confirmation()->isHidden());
    box->preview(path(QStringLiteral("nowhere.col")));
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("File not found")));
    EXPECT_TRUE(box->confirmation()->isHidden());
    EXPECT_TRUE(slidora({"--version"}).out.startsWith("Slidora "));
}

TEST_F(ExperimentTest, AFailedSaveSaysWhyAndKeepsTheText)
{
    save(QStringLiteral("no-such-folder/x.col"), QStringLiteral("words"));
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0], path(QStringLiteral("no-such-folder/x.col")) + ": No such file or directory");
    EXPECT_FALSE(box->box()->isHidden());
    EXPECT_EQ(box->memo()->toPlainText(), "words");
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("no-such-folder/x.col"))));

    // an existing file that cannot be replaced stays as it was
    QFile existing(QStringLiteral("/proc/version"));
    if (existing.open(QIODevice::ReadOnly)) {
        const QByteArray before = existing.readAll();
        existing.close();
        platform.saveAnswers.push_back(existing.fileName());
        box->loadSaveButton()->click();
        EXPECT_EQ(platform.messages.size(), 2);
        ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
        EXPECT_EQ(existing.readAll(), before);
        EXPECT_FALSE(box->box()->isHidden());
    }
}

TEST_F(ExperimentTest, NoThenLoadAnotherFile)
{
    save(QStringLiteral("one.col"), QStringLiteral("one"));
    c().v1sb->setValue(123);
    save(QStringLiteral("two.col"), QStringLiteral("two"));
    preview(QStringLiteral("one.col"));
    box->noButton()->click();
    EXPECT_EQ(box->memo()->toPlainText(), "Click load to choose a file!");
    EXPECT_TRUE(box->confirmation()->isHidden());
    EXPECT_FALSE(box->box()->isHidden());
    c().v1sb->setValue(7);
    platform.openAnswers.push_back(path(QStringLiteral("two.col")));
    box->loadSaveButton()->click();
    EXPECT_EQ(box->memo()->toPlainText(), "two");
    box->yesButton()->click();
    EXPECT_EQ(c().v1sb->value(), 123);
}
