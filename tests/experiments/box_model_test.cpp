// The Experiment box's stages, without a window: what each event leads to,
// which buttons it offers, what Return presses and whether Ok applies.
#include <gtest/gtest.h>

#include <vector>

#include "experiments/box_model.h"

using exper::BoxButton;
using exper::BoxModel;
using exper::BoxStage;

namespace {
enum Event { Load, Save, GoodFile, DamagedFile, No, Entry, Close };

void apply(BoxModel& b, Event e)
{
    switch (e) {
    case Load: b.openLoad(); break;
    case Save: b.openSave(); break;
    case GoodFile: b.fileShown(true); break;
    case DamagedFile: b.fileShown(false); break;
    case No: b.declined(); break;
    case Entry: b.entryShown(); break;
    case Close: b.close(); break;
    }
}
}   // namespace

TEST(BoxModel, EveryStageOffersItsButtons)
{
    const struct {
        const char* what;
        std::vector<Event> events;
        BoxStage stage;
        BoxButton byReturn;
        bool yesNo, loadSave, okApplies, saving;
    } cases[] = {
        {"load", {Load}, BoxStage::Load, BoxButton::LoadSave, false, true, false, false},
        {"a good file", {Load, GoodFile}, BoxStage::Confirm, BoxButton::Yes, true, true, false, false},
        {"a damaged file",
         {Load, GoodFile, DamagedFile},
         BoxStage::Load,
         BoxButton::LoadSave,
         false,
         true,
         false,
         false},
        {"No", {Load, GoodFile, No}, BoxStage::Load, BoxButton::LoadSave, false, true, false, false},
        {"save", {Save}, BoxStage::Save, BoxButton::LoadSave, false, true, false, true},
        {"an entry after save", {Save, Entry}, BoxStage::Entry, BoxButton::CancelOk, false, false, true, true},
        {"closed", {Entry, Close}, BoxStage::Hidden, BoxButton::LoadSave, false, true, false, false},
        {"a file shown in a save box is no question",
         {Save, GoodFile},
         BoxStage::Save,
         BoxButton::LoadSave,
         false,
         true,
         false,
         true},
    };
    for (const auto& c : cases) {
        BoxModel b;
        for (Event e : c.events)
            apply(b, e);
        EXPECT_EQ(b.stage(), c.stage) << c.what;
        EXPECT_EQ(b.defaultButton(), c.byReturn) << c.what;
        EXPECT_EQ(b.shows(BoxButton::Yes), c.yesNo) << c.what;
        EXPECT_EQ(b.shows(BoxButton::No), c.yesNo) << c.what;
        EXPECT_EQ(b.shows(BoxButton::LoadSave), c.loadSave) << c.what;
        EXPECT_EQ(b.okApplies(), c.okApplies) << c.what;
        EXPECT_EQ(b.saving(), c.saving) << c.what;
        EXPECT_EQ(b.shown(), c.stage != BoxStage::Hidden) << c.what;
    }
}
