// The catalogue, applying records, and the trace export.
#include "experiments/experiment_fixture.h"

#include <cmath>

#include "engine/headless_run.h"

TEST_F(ExperimentTest, RecordCutAfterTheSpringKindAndViewFlags)
{
    write(QStringLiteral("cut.col"),
          "Cut\r\nSTART EXPERIMENT DATA\r\n189 183 287 204\r\n379 183 329 204\r\n"
          "0 10 50 50\r\n100 20 50\r\n100 20 0\r\n2 3\r\n");
    c().Centerofmass1->trigger();
    preview(QStringLiteral("cut.col"));
    box->yesButton()->click();
    EXPECT_EQ(window->model().massCount, 1);
    EXPECT_TRUE(c().Elastic1->isChecked());
    EXPECT_EQ(window->model().circleSize, 0);
    EXPECT_EQ(s().scale, 5.0);
    for (QAction* a : {c().Centerofmass1, c().tracecb, c().TraceBlock1, c().redb, c().blackb, c().reda, c().blackA,
                       c().Labelmass1, c().Arrows1, c().ShowScale1, c().ShowGrid1})
        EXPECT_FALSE(a->isChecked()) << a->text().toStdString();
    EXPECT_EQ(c().cbfreq->currentIndex(), 0);

    // 122 checks exactly the trace and the four colours
    runEntry(14);
    EXPECT_EQ(now()[F::ViewFlags], 122);
    EXPECT_TRUE(c().tracecb->isChecked() && c().redb->isChecked() && c().blackb->isChecked() && c().reda->isChecked()
                && c().blackA->isChecked());
    EXPECT_FALSE(c().Centerofmass1->isChecked() || c().Labelmass1->isChecked() || c().ShowGrid1->isChecked());
}

TEST_F(ExperimentTest, AFrequencyOutOfRangeIsClamped)
{
    ExperimentRecord r = now();
    r[F::FrequencyIndex] = 9;
    box->applier().apply(r, RecordApplier::Source::File);
    EXPECT_EQ(c().cbfreq->currentIndex(), 5);
    r[F::FrequencyIndex] = -3;
    box->applier().apply(r, RecordApplier::Source::Catalogue);
    EXPECT_EQ(c().cbfreq->currentIndex(), 0);
}

TEST_F(ExperimentTest, TableAngleControlsIn1D)
{
    runEntry(9);   // 1-D, two masses
    EXPECT_TRUE(c().tableangsb->isHidden());
    EXPECT_TRUE(c().tableanglb->isHidden());
    ExperimentRecord one = now();
    one[F::MassCount] = 1;
    one[F::TableAngle] = 25;
    box->applier().apply(one, RecordApplier::Source::File);
    EXPECT_FALSE(c().tableangsb->isHidden());
    EXPECT_EQ(c().tableanglb->text(), "Force: 2.5 N [R]");
}

TEST_F(ExperimentTest, EveryCatalogueEntryLeavesTheSetUpItsRecordNames)
{
    // the record read back equals the entry's, and the state follows the bars
    // and menus it names (the whole runs are pinned by the golden logs)
    for (int n = 1; n <= 17; ++n) {
        runEntry(n);
        const ExperimentRecord r = *exper::parseParameterText(exper::catalogueExperiment(n)->parameterText()).record;
        EXPECT_EQ(now(), r) << n;
        const bool oneD = r[F::Dimension] == 1;
        EXPECT_EQ(c().puck1->kind(), oneD ? MovableShape::Kind::Square : MovableShape::Kind::Circle) << n;
        const sim::Interaction modes[] = {sim::Interaction::Spring1D,      sim::Interaction::Elastic,
                                          sim::Interaction::Inelastic,     sim::Interaction::SemiElastic,
                                          sim::Interaction::Electrostatic, sim::Interaction::Circle};
        EXPECT_EQ(s().interactionMode, modes[r[F::Interaction] - 1]) << n;
        EXPECT_DOUBLE_EQ(s().red.mass, r[F::RedMass] / 10.0) << n;
        EXPECT_DOUBLE_EQ(s().red.speed, r[F::RedSpeed] / 10.0) << n;
        EXPECT_DOUBLE_EQ(s().black.mass, r[F::BlackMass] / 10.0) << n;
        EXPECT_DOUBLE_EQ(s().black.speed, r[F::BlackSpeed] / 10.0) << n;
        EXPECT_EQ(s().redCharge, r[F::RedCharge]) << n;
        EXPECT_EQ(s().blackCharge, r[F::BlackCharge]) << n;
        EXPECT_EQ(s().tick, 1) << n;
        EXPECT_TRUE(box->box()->isHidden()) << n;
        EXPECT_EQ(box->cancelButton()->text(), "&Cancel");
    }
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(ExperimentTest, CatalogueEdgeCases)
{
    // entry 6 keeps the hidden percent bar at 50
    runEntry(6);
    EXPECT_EQ(c().persb->value(), 50);
    EXPECT_TRUE(c().persb->isHidden());
    // entry 13: both at rest, 50 px apart, in spring mode
    runEntry(13);
    EXPECT_EQ(c().puck2->x() - c().puck1->x(), 50);
    EXPECT_EQ(s().red.speed, 0.0);
    EXPECT_TRUE(c().springMenu->menuAction()->isChecked());
    // entries 2 and 3: black really small, no view flags
    runEntry(2);
    EXPECT_EQ(s().black.radius, 3);
    // "Ok" after an Information text changes nothing
    const ExperimentRecord before = now();
    int count = 0;
    const exper::CatalogueEntry* all = exper::catalogueEntries(&count);
    box->showEntry(all[1]);
    EXPECT_TRUE(box->loadSaveButton()->isHidden());
    EXPECT_EQ(box->cancelButton()->text(), "&Ok");
    EXPECT_EQ(box->memo()->toPlainText().split('\n').first(), "Gravity Assist");
    box->cancelButton()->click();
    EXPECT_EQ(now(), before);
    c().type2D->trigger();
    // every entry under "Run Experiment" found its catalogue entry
    int hooked = 0;
    for (QAction* a : c().runExperimentMenu->actions())
        for (QAction* e : a->menu() ? a->menu()->actions() : QList<QAction*>{a})
            hooked += !e->objectName().isEmpty();
    EXPECT_EQ(hooked, 22);
    const QList<QAction*> top = c().runExperimentMenu->actions();
    top[0]->trigger();   // "Symmetric Pattern"
    EXPECT_EQ(box->memo()->toPlainText().split('\n').first(), "Electrostatic charges");
    box->cancelButton()->click();
    EXPECT_EQ(s().electroRange, 1000);
    EXPECT_EQ(c().m1sb->value(), 20);
    EXPECT_EQ(c().v1sb->value(), 30);
}

TEST_F(ExperimentTest, CatalogueRunsMatchTheFormulas)
{
    // 1-D TEC, equal masses: the red puck stops and the black one leaves at 5.0
    runEntry(9);
    runTicks(120);
    EXPECT_DOUBLE_EQ(s().red.speed, 0.0);
    EXPECT_DOUBLE_EQ(s().black.speed, 5.0);
    // TIC: both at 2.5
    runEntry(11);
    runTicks(120);
    EXPECT_DOUBLE_EQ(s().red.speed, 2.5);
    // explosion at 150 %: red back at 1.25, black off at 6.25
    runEntry(12);
    runTicks(120);
    EXPECT_NEAR(s().red.speed, 1.25, 1e-12);
    EXPECT_NEAR(std::cos(s().red.direction), -1.0, 1e-12);
    EXPECT_NEAR(s().black.speed, 6.25, 1e-12);
}

TEST_F(ExperimentTest, TheWindowsRunAndTheHeadlessRunKeepTheSameLog)
{
    for (int n = 1; n <= 17; ++n) {
        runEntry(n);
        runTicks(400);
        c().Startbt->click();
        const sim::SampleLog drawn = s().sampleLog;
        runEntry(n);
        sim::HeadlessRun run(s(), c().Arrows1->isChecked());   // the time line where the state has it
        run.start();
        run.runThrough(400);
        const sim::SampleLog& bare = s().sampleLog;
        for (int t = 1; t <= 400; ++t) {
            const auto& a = drawn.positions[static_cast<size_t>(t)];
            const auto& b = bare.positions[static_cast<size_t>(t)];
            ASSERT_TRUE(a.redX == b.redX && a.redY == b.redY && a.blackX == b.blackX && a.blackY == b.blackY)
                << "entry " << n << " tick " << t;
            const auto& va = drawn.velocities[static_cast<size_t>(t)];
            const auto& vb = bare.velocities[static_cast<size_t>(t)];
            ASSERT_TRUE(va.redSpeed == vb.redSpeed && va.redDirection == vb.redDirection
                        && va.blackSpeed == vb.blackSpeed && va.blackDirection == vb.blackDirection)
                << "entry " << n << " tick " << t;
            ASSERT_EQ(drawn.compression[static_cast<size_t>(t)], bare.compression[static_cast<size_t>(t)]);
        }
    }
}

TEST_F(ExperimentTest, ExportTraceWritesTheLogAndRefusesBadArguments)
{
    const Outcome tec = slidora({"--export-trace", "--catalogue", "9", "--ticks", "120"});
    ASSERT_EQ(tec.status, 0) << tec.err.toStdString();
    const QList<QByteArray> rows = tec.out.trimmed().split('\n');
    ASSERT_EQ(rows.size(), 121);
    EXPECT_EQ(rows[0], "tick,redX,redY,blackX,blackY,redSpeed,redDirection,blackSpeed,blackDirection,compression");
    EXPECT_TRUE(rows[1].startsWith("1,206,200,396,200,5,0,0,"));
    const QList<QByteArray> last = rows[120].split(',');
    EXPECT_EQ(last[0], "120");
    EXPECT_EQ(last[5].toDouble(), 0.0);   // red stopped
    EXPECT_EQ(last[7].toDouble(), 5.0);   // black leaves at 5.0
    EXPECT_TRUE(tec.err.isEmpty());

    // a saved experiment gives the same rows as the window's own run of it
    save(QStringLiteral("run.col"), QStringLiteral("exported"));
    const QString out = path(QStringLiteral("out.csv"));
    const Outcome file =
        slidora({"--export-trace", "--experiment", path(QStringLiteral("run.col")), "--ticks", "50", "--output", out});
    ASSERT_EQ(file.status, 0) << file.err.toStdString();
    QFile csv(out);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count('\n'), 51);

    write(QStringLiteral("bad.col"), "x\r\nSTART EXPERIMENT DATA\r\n1 2 oops 4\r\n");
    const QString badOut = path(QStringLiteral("bad.csv"));
    const QList<QStringList> refused = {
        {"--export-trace", "--experiment", path(QStringLiteral("bad.col")), "--output", badOut},
        {"--export-trace", "--experiment", path(QStringLiteral("none.col")), "--output", badOut},
        {"--export-trace", "--catalogue", "18", "--output", badOut},
        {"--export-trace", "--catalogue", "1", "--experiment", path(QStringLiteral("run.col")), "--output", badOut},
        {"--export-trace", "--ticks", "9999", "--output", badOut},
        {"--export-trace", "--frobnicate"},
    };
    for (const QStringList& args : refused) {
        const Outcome r = slidora(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(badOut));
    }
    EXPECT_TRUE(slidora({"--export-trace", "--experiment", path(QStringLiteral("bad.col"))})
                    .err.contains("line 3: Invalid numeric input"));
    EXPECT_TRUE(slidora({"--help"}).out.contains("--export-trace"));
}

TEST_F(ExperimentTest, TheExportsLoadNoWindowSystem)
{
    // the dynamic loader names every library it opens, plugins included
    for (const QStringList& args : {QStringList{"--export-trace", "--catalogue", "4", "--ticks", "30"},
                                    QStringList{"--export-data", "--catalogue", "4", "--ticks", "31"}}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(SLIDORA_BINARY), args);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << args[0].toStdString();
        EXPECT_EQ(p.readAllStandardOutput().count('\n'), 31) << args[0].toStdString();
        const QByteArray loaded = p.readAllStandardError();
        EXPECT_TRUE(loaded.contains("libQt6Core")) << "the loader's notes are missing";
        EXPECT_FALSE(loaded.contains("platforms/")) << args[0].toStdString() << ": a platform plugin was loaded";
    }
}

TEST_F(ExperimentTest, TheInelasticSpringLockKeepsTheMomentumInTheExport)
{
    // 3 kg at 10 cm/s against 7 kg at 6 cm/s head on (-12), and the mirror (+12)
    const char* files[] = {
        "lock\r\nSTART EXPERIMENT DATA\r\n100 160 300 181\r\n500 160 300 181\r\n0 10 50 100\r\n0 30 100\r\n"
        "0 70 60\r\n1 4 0 2\r\n1\r\n0 20 122 0\r\n",
        "lock\r\nSTART EXPERIMENT DATA\r\n100 160 300 181\r\n500 160 300 181\r\n0 10 50 100\r\n0 70 60\r\n"
        "0 30 100\r\n1 4 0 2\r\n1\r\n0 20 122 0\r\n",
    };
    for (const char* bytes : files) {
        write(QStringLiteral("lock.col"), bytes);
        const Outcome o =
            slidora({"--export-trace", "--experiment", path(QStringLiteral("lock.col")), "--ticks", "300"});
        ASSERT_EQ(o.status, 0) << o.err.toStdString();
        const QList<QByteArray> rows = o.out.trimmed().split('\n');
        ASSERT_EQ(rows.size(), 301);
        const QList<QByteArray> first = rows[1].split(','), last = rows[300].split(',');
        const bool light = QByteArray(bytes).contains("0 30 100\r\n0 70");
        const double red = light ? 3 : 7, black = light ? 7 : 3;
        auto momentum = [&](const QList<QByteArray>& row) {
            return red * row[5].toDouble() * std::cos(row[6].toDouble())
                + black * row[7].toDouble() * std::cos(row[8].toDouble());
        };
        EXPECT_NEAR(momentum(first), light ? -12.0 : 12.0, 1e-9);
        EXPECT_NEAR(momentum(last), momentum(first), 1e-6) << bytes;
        EXPECT_GT(last[9].toDouble(), 0.0);   // locked, compressed
    }
}

TEST_F(ExperimentTest, RecordsAtTheEndsOfTheIntegerRangeApplyAndRun)
{
    // every field at each end of the range alone, then all together; each
    // is applied (which draws the set-up), run for 30 ticks and saved again
    const int32_t ends[] = {INT32_MIN, INT32_MIN + 1, -1000000000, 1000000000, INT32_MAX - 1, INT32_MAX};
    const ExperimentRecord base = now();
    std::vector<ExperimentRecord> records;
    for (int f = 0; f < F::FieldCount; ++f)
        for (int32_t v : ends) {
            ExperimentRecord r = base;
            r.f[static_cast<size_t>(f)] = v;
            records.push_back(r);
        }
    for (int32_t v : ends) {
        ExperimentRecord r;
        r.f.fill(v);
        records.push_back(r);
    }
    for (const ExperimentRecord& r : records) {
        c().Resetbt->click();
        box->applier().apply(r, RecordApplier::Source::File);
        runTicks(30);
        c().Startbt->click();
        for (int t = 1; t < s().tick; ++t) {
            const sim::PositionSample& p = s().sampleLog.positions[static_cast<size_t>(t)];
            ASSERT_TRUE(std::isfinite(p.redX) && std::isfinite(p.redY) && std::isfinite(p.blackX)
                        && std::isfinite(p.blackY))
                << exper::parameterText(r) << " tick " << t;
        }
        save(QStringLiteral("extreme.col"), QStringLiteral("extreme"));
        EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join(' ').toStdString();
    }
}
