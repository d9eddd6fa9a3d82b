#include "view/trace_renderer.h"

#include <QWidget>
#include <algorithm>

#include "engine/run_physics.h"
#include "ui/canvas.h"

TraceRenderer::TraceRenderer(const sim::SimState& s, Canvas& table, Canvas& grid,
                             std::function<ViewSettings()> settings, std::function<bool()> pushShown, QWidget* picture)
    : s_(s), cv_(table), grid_(grid), settings_(std::move(settings)), pushShown_(std::move(pushShown)),
      picture_(picture), letters_{QCoreApplication::translate("Pucks", "R"), QCoreApplication::translate("Pucks", "B")}
{}

TablePicture TraceRenderer::pictureAt(int tick) const
{
    TablePicture p{.state = &s_, .view = settings_(), .tick = tick, .letters = letters_};
    if (room_) {
        p.kept = &room_->kept();
        p.prediction = &room_->prediction();
        p.hiddenFrom = room_->disclosure().hiddenFrom;
        if (room_->seenFromCm() && sim::runStarted(s_)) {
            // a copy seen from the centre of mass; the kept runs and the
            // predicted arrows belong to the table's own frame
            if (!cm_)
                cm_ = std::make_unique<sim::SimState>();
            *cm_ = s_;
            sim::seeFromCentreOfMass(*cm_, std::max(tick, s_.timeLineEnd));
            p.state = cm_.get();
            p.kept = nullptr;
            p.prediction = nullptr;
        }
    }
    return p;
}

void TraceRenderer::renderTrace()
{
    // between ticks nothing is recorded and only the push's arrow is drawn:
    // the controls are read only when something is to be done
    if (s_.stepPhase != 0 && !pushShown_())
        return;
    if (s_.stepPhase == 0) {
        drawPicture();
        return;
    }
    // the pushing force is drawn at every event, between ticks too
    drawPushBetweenTicks(cv_, pictureAt(s_.viewTick));
    picture_->update();
}

void TraceRenderer::drawPicture()
{
    drawTablePicture(cv_, grid_, pictureAt(s_.viewTick));
    picture_->update();
}
