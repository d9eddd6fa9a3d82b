// The Experiment box's stages, without a window: what each event leads to,
// which buttons it offers, what Return presses and whether Ok applies.
#include <gtest/gtest.h>

#include <functional>

#include "experiments/box_model.h"

using exper::BoxButton;
using exper::BoxModel;
using exper::BoxStage;

TEST(BoxModel, EveryStageOffersItsButtons)
{
    const struct {
        const char* what;
        std::function<void(BoxModel&)> steps;
        BoxStage stage;
        BoxButton byReturn;
        bool yesNo, loadSave, okApplies, saving;
    } cases[] = {
        {"load", [](BoxModel& b) { b.openLoad(); }, BoxStage::Load, BoxButton::LoadSave, false, true, false, false},
        {"a good file",
         [](BoxModel& b) {
             b.openLoad();
             b.fileShown(true);
         },
         BoxStage::Confirm, BoxButton::Yes, true, true, false, false},
        {"a damaged file",
         [](BoxModel& b) {
             b.openLoad();
             b.fileShown(true);
             b.fileShown(false);
         },
         BoxStage::Load, BoxButton::LoadSave, false, true, false, false},
        {"No",
         [](BoxModel& b) {
             b.openLoad();
             b.fileShown(true);
             b.declined();
         },
         BoxStage::Load, BoxButton::LoadSave, false, true, false, false},
        {"save", [](BoxModel& b) { b.openSave(); }, BoxStage::Save, BoxButton::LoadSave, false, true, false, true},
        {"an entry after save",
         [](BoxModel& b) {
             b.openSave();
             b.entryShown();
         },
         BoxStage::Entry, BoxButton::CancelOk, false, false, true, true},
        {"closed",
         [](BoxModel& b) {
             b.entryShown();
             b.close();
         },
         BoxStage::Hidden, BoxButton::LoadSave, false, true, false, false},
        {"a file shown in a save box is no question",
         [](BoxModel& b) {
             b.openSave();
             b.fileShown(true);
         },
         BoxStage::Save, BoxButton::LoadSave, false, true, false, true},
    };
    for (const auto& c : cases) {
        BoxModel b;
        c.steps(b);
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
