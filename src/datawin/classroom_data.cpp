#include "datawin/classroom_data.h"

#include <algorithm>
#include <memory>

#include "datawin/ledger.h"
#include "engine/numbers.h"
#include "engine/run_physics.h"
#include "ui/canvas.h"
#include "ui/language.h"

dw::RunData ClassroomData::runData(const sim::Classroom& room)
{
    dw::RunData r = dw::runDataOf(room.state(), room.model());
    const sim::Disclosure d = room.disclosure();
    r.hiddenFrom = d.hiddenFrom;
    r.challengeHiding = d.unknownHidden;
    r.blackMassHidden = d.blackMassHidden;
    r.hiddenUpTo = d.launchHiddenUpTo;   // the launch speed, up to the contact
    return r;
}

std::vector<KeptGraph> ClassroomData::keptGraphs(const sim::Classroom& room)
{
    std::vector<KeptGraph> kept;
    for (const sim::KeptRun& r : room.kept().runs())
        kept.push_back({dw::runDataOf(*r.state, r.model), r.end, runName(r)});
    return kept;
}

QString ClassroomData::runName(const sim::KeptRun& r)
{
    return tr("Run %1").arg(QChar::fromLatin1(r.letter));
}

QString ClassroomData::setUpText(const sim::SetupModel& m)
{
    const QString v = QString::fromLatin1(m.unitText()).trimmed() + QStringLiteral("/s");
    QString text =
        tr("red %1 kg at %2 %3")
            .arg(lang::shown(num::F(m.redMass / 10.0, 0, 1)), lang::shown(num::F(m.redSpeed / 10.0, 0, 1)), v);
    if (m.blackOnTable())
        text +=
            tr(", black %1 kg at %2 %3")
                .arg(lang::shown(num::F(m.blackMass / 10.0, 0, 1)), lang::shown(num::F(m.blackSpeed / 10.0, 0, 1)), v);
    const char* kinds[] = {"",
                           QT_TR_NOOP("elastic"),
                           QT_TR_NOOP("sticking"),
                           QT_TR_NOOP("partly elastic"),
                           QT_TR_NOOP("electrostatic"),
                           QT_TR_NOOP("circle"),
                           QT_TR_NOOP("spring")};
    text += QStringLiteral(", ") + tr(kinds[static_cast<int>(m.interaction)]);
    if (m.interaction == sim::Interaction::SemiElastic)
        text += QStringLiteral(" %1 %").arg(m.elasticPercent);
    return text;
}

std::vector<dw::NamedLedger> ClassroomData::sideBySide(const sim::Classroom& room, int after)
{
    std::vector<dw::NamedLedger> runs;
    for (const sim::KeptRun& r : room.kept().runs())
        runs.push_back({std::string("Run ") + r.letter, setUpText(r.model).toStdString(),
                        dw::computeLedger(dw::runDataOf(*r.state, r.model), r.end)});
    runs.push_back({"This run", setUpText(room.model()).toStdString(), dw::computeLedger(runData(room), after)});
    return runs;
}

std::optional<dw::Ledger> ClassroomData::cmLedger(const sim::Classroom& room, int after)
{
    if (!room.seenFromCm())
        return std::nullopt;
    auto copy = std::make_unique<sim::SimState>(room.state());
    sim::seeFromCentreOfMass(*copy, std::max(after, copy->timeLineEnd));
    dw::RunData run = runData(room);   // what the class may see, as for the run itself
    run.log = &copy->sampleLog;
    run.physics.start = copy->startVelocities;
    return dw::computeLedger(run, after);
}

std::vector<TextGrid> ClassroomData::ledgerTables(const sim::Classroom& room, int after, bool radians)
{
    const char* unit = room.model().lengthUnit();
    if (!room.kept().runs().empty()) {
        QStringList names;
        for (const sim::KeptRun& r : room.kept().runs())
            names << runName(r);
        names << tr("This run");
        return {LedgerGrids::sideBySide(dw::ledgersSideBySide(sideBySide(room, after), radians, unit), names, radians,
                                        unit)};
    }
    const dw::Ledger ledger = dw::computeLedger(runData(room), after);
    if (!ledger.comparable)
        return {};
    return {LedgerGrids::pucks(ledger.before, true, radians, ledger.concealed, ledger.concealed),
            LedgerGrids::pucks(ledger.after, false, radians, ledger.hidden, ledger.concealed),
            LedgerGrids::summary(ledger)};
}

QImage ClassroomData::graph(const sim::Classroom& room, const dw::GraphChoice& choice)
{
    Canvas canvas(kGraphWidth, kGraphHeight);
    const dw::RunData run = runData(room);
    const std::vector<KeptGraph> kept = keptGraphs(room);
    const dw::GraphExtremes extremes = graphExtremes(run, kept, choice);
    drawRunGraph(canvas, {run, kept, choice, extremes});
    return canvas.image().copy();
}

dw::DataViewModel ClassroomData::opened(const sim::Classroom& room, dw::DataViewModel view)
{
    const int N = std::max(1, room.state().timeLineEnd);
    view.tableTime = view.graph.time = view.momentum.time = N;
    view.momentum.scale = 10;
    if (room.model().pushed()) {   // one block in 1-D: its speed, its only component
        view.graph.component = 0;
        view.graph.series = 0;
    }
    return view;
}
