// A seeded random walk over the whole program, offscreen, with invariants
// checked after every step. SLIDORA_MONKEY_STEPS and SLIDORA_MONKEY_SEED
// set the length and the seed (2,000 steps by default); a failure names
// the seed and the step, so it can be replayed.
#include "table_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <map>
#include <random>

#include "datawin/data_window.h"
#include "datawin/graph_page.h"
#include "datawin/momentum_page.h"
#include "datawin/table_page.h"
#include "experiments/catalogue.h"
#include "experiments/experiment_box.h"
#include "setup/measure_tools.h"
#include "setup/puck_placer.h"
#include "view/printing.h"
#include "view/time_line.h"

namespace {
int envInt(const char* name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}
bool ok(double v)
{
    return std::isfinite(v);
}
}   // namespace

class MonkeyTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        box = std::make_unique<ExperimentBox>(*window, platform);
        data = std::make_unique<DataWindow>(*window, platform);
        collectActions(window->menuBar()->actions());
        // a file nobody saves over, a damaged one and one without a marker
        writeFile(QStringLiteral("precious.col"), "Keep me\r\nSTART EXPERIMENT DATA\r\n1 2 3 4\r\n");
        writeFile(QStringLiteral("bad.col"), "Bad\r\nSTART EXPERIMENT DATA\r\n189 183 x 204\r\n");
        writeFile(QStringLiteral("words.col"), "Only words\r\n");
    }
    void collectActions(const QList<QAction*>& list)
    {
        for (QAction* a : list) {
            if (a->menu())
                collectActions(a->menu()->actions());
            else if (!a->isSeparator() && a != c().Exit1)
                actions.push_back(a);
        }
    }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    std::map<QString, QByteArray> snapshot() const
    {
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
            QFile f(dir.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                files[name] = f.readAll();
        }
        return files;
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    int between(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }

    QString step(int kind);
    QString checkInvariants(const std::map<QString, QByteArray>& before, const QString& savedTo);

    std::unique_ptr<ExperimentBox> box;
    std::unique_ptr<DataWindow> data;
    std::vector<QAction*> actions;
    QTemporaryDir dir;
    std::mt19937 rng;
    QString savedTo;   // the file the current step saved to, if any
    int saves = 0;
};

QString MonkeyTest::step(int kind)
{
    PuckPlacer& placer = window->puckPlacer();
    switch (kind) {
    case 0: {   // drag a puck or a handle, often far off the table
        const bool puck = pick(2) == 0;
        const int tag = 1 + pick(2);
        placer.buttonDown();
        for (int i = 0, n = between(1, 6); i < n; ++i) {
            const int x = between(-300, 1100), y = between(-300, 700);
            puck ? placer.puckDrag(tag, x, y) : placer.handleDrag(tag, x, y);
        }
        placer.buttonUp();
        return puck ? "drag puck" : "drag handle";
    }
    case 1: {   // any scroll bar, to any value, also beyond its ends
        QList<QScrollBar*> bars = window->findChildren<QScrollBar*>();
        bars += data->findChildren<QScrollBar*>();
        QScrollBar* sb = bars[pick(static_cast<int>(bars.size()))];
        if (pick(2) == 0)
            sb->setValue(between(sb->minimum() - 5, sb->maximum() + 5));
        else
            QTest::keyClick(sb,
                            std::array{Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
                                       Qt::Key_End}[static_cast<size_t>(pick(6))]);
        return "scroll bar " + sb->objectName();
    }
    case 2: {
        QAction* a = actions[static_cast<size_t>(pick(static_cast<int>(actions.size())))];
        a->trigger();
        return "menu " + a->text();
    }
    case 3: c().Startbt->click(); return "start";
    case 4: c().Resetbt->click(); return "reset";
    case 5: c().Recenterbt->click(); return "recenter";
    case 6:
        for (int i = 0, n = between(1, 300); i < n && c().colltimer->isActive(); ++i)
            window->runControl().timerEvent();
        return "timer events";
    case 7: c().Timesb->setValue(between(0, c().Timesb->maximum() + 3)); return "time line";
    case 8:
        c().dstartbt->click();
        for (int i = 0, n = between(0, 30); i < n && c().delaytimer1->isActive(); ++i)
            window->timeLine().replayTimerEvent();
        return "replay";
    case 9: {   // measuring and copy select on the table image
        if (c().measurecb->isEnabled() && pick(2) == 0)
            c().measurecb->click();
        PictureWidget* im = c().tableim;
        emit im->mouseDown(between(-20, 780), between(-20, 380));
        emit im->mouseMove(between(-20, 780), between(-20, 380));
        emit im->mouseUp(between(-20, 780), between(-20, 380));
        if (pick(4) == 0)
            emit im->mouseLeft();
        return "table image mouse";
    }
    case 10:
        platform.printerReady = pick(3) != 0;
        (pick(2) ? c().printtrbt->click() : c().PrintCopySelect1->trigger());
        return "print";
    case 11: {   // the Experiment box
        const int mode = pick(2) ? ExperimentBox::LoadMode : ExperimentBox::SaveMode;
        box->openBox(mode);
        if (mode == ExperimentBox::SaveMode) {
            box->memo()->setPlainText(pick(2) ? QStringLiteral("Monkey \u00e9 %1").arg(saves) : QString());
            const QString name = QStringLiteral("saved%1.col").arg(saves % 5);
            if (pick(4) != 0) {
                platform.saveAnswers.push_back(dir.filePath(name));
                savedTo = name;
                ++saves;
            }
            box->loadSaveButton()->click();
        } else {
            const QStringList files = QDir(dir.path()).entryList(QDir::Files);
            const QString name =
                pick(6) == 0 ? QStringLiteral("missing.col") : files[pick(static_cast<int>(files.size()))];
            platform.openAnswers.push_back(dir.filePath(name));
            box->loadSaveButton()->click();
            const int answer = pick(3);
            if (answer == 0 && !box->confirmation()->isHidden())
                box->yesButton()->click();
            else if (answer == 1 && !box->confirmation()->isHidden())
                box->noButton()->click();
        }
        if (!box->box()->isHidden())
            box->cancelButton()->click();
        platform.openAnswers.clear();
        platform.saveAnswers.clear();
        return "experiment box";
    }
    case 12: {
        int count = 0;
        const exper::CatalogueEntry* all = exper::catalogueEntries(&count);
        box->showEntry(all[pick(count)]);
        box->cancelButton()->click();
        return "catalogue";
    }
    case 13: {   // the data window and its pages
        c().showbt->click();
        data->tabs()->setCurrentIndex(pick(3));
        data->graphPage().readValue(between(-10, 620), between(-10, 480));
        data->graphPage().drawcb->setCurrentIndex(pick(5));
        MomentumPage& m = data->momentumPage();
        MovableShape* shapes[] = {m.handle(1), m.handle(2), m.handle(3), m.handle(4),
                                  m.handle(5), m.circle(9), m.circle(10)};
        MovableShape* s = shapes[pick(7)];
        m.shapeDown();
        m.shapeMove(s, between(-400, 700), between(-400, 600));
        m.shapeUp();
        QLineEdit* edits[] = {m.rbv, m.rav, m.bbv, m.bav, m.rba, m.raa, m.bba, m.baa};
        const char* texts[] = {"12", "-", "abc", "0", "1e3", "-45.5", "", "1e308"};
        QLineEdit* e = edits[pick(8)];
        e->setText(QString::fromLatin1(texts[pick(8)]));
        emit e->editingFinished();
        if (pick(3) == 0)
            m.acb->setChecked(!m.acb->isChecked()), emit m.acb->clicked(m.acb->isChecked());
        data->tablePage().copyallbt->click();
        return "data window";
    }
    case 14:
        if (!c().velsh->isHidden())
            placer.launch(between(0, 24));
        return "circle launch";
    default: return "nothing";
    }
}

QString MonkeyTest::checkInvariants(const std::map<QString, QByteArray>& before, const QString& saved)
{
    const sim::SimState& st = s();
    if (st.tick < 1 || st.tick > 9999)
        return QStringLiteral("tick %1 out of 1..9999").arg(st.tick);
    if (st.viewTick < 1 || st.viewTick > st.tick)
        return QStringLiteral("viewTick %1 with tick %2").arg(st.viewTick).arg(st.tick);
    for (const sim::PuckState* p : {&st.red, &st.black})
        if (!ok(p->x) || !ok(p->y) || !ok(p->speed) || !ok(p->direction))
            return QStringLiteral("a puck's state is not finite");
    for (int t = 1; t <= st.tick; ++t) {
        const sim::PositionSample& e = st.sampleLog.positions[static_cast<size_t>(t)];
        const sim::VelocitySample& v = st.sampleLog.velocities[static_cast<size_t>(t)];
        if (!ok(e.redX) || !ok(e.redY) || !ok(e.blackX) || !ok(e.blackY) || !ok(v.redSpeed) || !ok(v.redDirection)
            || !ok(v.blackSpeed) || !ok(v.blackDirection))
            return QStringLiteral("the log at tick %1 is not finite").arg(t);
    }
    if (st.tick == 1) {
        const QRect table(7, 7, 759, 367);
        for (QWidget* w : {static_cast<QWidget*>(c().puck1), static_cast<QWidget*>(c().puck2),
                           static_cast<QWidget*>(c().redansh), static_cast<QWidget*>(c().blackansh)})
            if (!w->isHidden() && !table.intersects(w->geometry()))
                return QStringLiteral("a shown marker off the table at (%1, %2)").arg(w->x()).arg(w->y());
    }
    static const QRegularExpression time(QStringLiteral("^Time: +\\d+(\\.\\d\\d)? s$"));
    static const QRegularExpression mass(QStringLiteral("^Mass [12]: \\d+\\.\\d kg$"));
    static const QRegularExpression speed(QStringLiteral("^Velocity [12]: \\d+\\.\\d (cm|m)/s$"));
    static const QRegularExpression angle(
        QStringLiteral("^(Table Angle: +\\d+\\.\\d\\d\u00ba|Force: +\\d+\\.\\d N \\[R\\]|Angle: 0\\.0\u00ba)$"));
    static const QRegularExpression spring(
        QStringLiteral("^Spring Compressed(: +\\d+\\.\\d\\d cm| 0\\.00 cm|: 0 cm)$"));
    const std::pair<QLabel*, const QRegularExpression*> labels[] = {
        {c().Timelb, &time}, {c().m1lb, &mass},        {c().m2lb, &mass}, {c().v1lb, &speed},
        {c().v2lb, &speed},  {c().tableanglb, &angle}, {c().slb, &spring}};
    for (const auto& [label, re] : labels)
        if (!re->match(label->text()).hasMatch())
            return QStringLiteral("label text \"%1\"").arg(label->text());
    for (const auto& [name, bytes] : snapshot()) {
        const auto it = before.find(name);
        if (name != saved && (it == before.end() || it->second != bytes))
            return QStringLiteral("file %1 changed without a save").arg(name);
    }
    return QString();
}

TEST_F(MonkeyTest, SeededRandomWalkKeepsEveryInvariant)
{
    const int steps = envInt("SLIDORA_MONKEY_STEPS", 2000);
    const unsigned seed = static_cast<unsigned>(envInt("SLIDORA_MONKEY_SEED", 20261208));
    rng.seed(seed);
    for (int i = 1; i <= steps; ++i) {
        const std::map<QString, QByteArray> before = snapshot();
        savedTo.clear();
        const QString what = step(pick(16));
        const QString broken = checkInvariants(before, savedTo);
        ASSERT_TRUE(broken.isEmpty()) << "seed " << seed << ", step " << i << " (" << what.toStdString()
                                      << "): " << broken.toStdString();
    }
    std::printf("monkey: %d steps with seed %u, %d saves, %lld messages\n", steps, seed, saves,
                static_cast<long long>(platform.messages.size()));
}
