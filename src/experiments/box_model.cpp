#include "experiments/box_model.h"

namespace exper {

void BoxModel::openLoad()
{
    stage_ = BoxStage::Load;
    saving_ = false;
}

void BoxModel::openSave()
{
    stage_ = BoxStage::Save;
    saving_ = true;
}

void BoxModel::fileShown(bool usable)
{
    if (stage_ == BoxStage::Load || stage_ == BoxStage::Confirm)
        stage_ = usable ? BoxStage::Confirm : BoxStage::Load;
}

void BoxModel::declined()
{
    if (stage_ == BoxStage::Confirm)
        stage_ = BoxStage::Load;
}

void BoxModel::entryShown()
{
    stage_ = BoxStage::Entry;
}

void BoxModel::close()
{
    stage_ = BoxStage::Hidden;
}

bool BoxModel::shows(BoxButton b) const
{
    switch (b) {
    case BoxButton::LoadSave: return stage_ != BoxStage::Entry;
    case BoxButton::CancelOk: return true;
    case BoxButton::Yes:
    case BoxButton::No: return stage_ == BoxStage::Confirm;
    }
    return false;
}

BoxButton BoxModel::defaultButton() const
{
    if (stage_ == BoxStage::Entry)
        return BoxButton::CancelOk;
    return stage_ == BoxStage::Confirm ? BoxButton::Yes : BoxButton::LoadSave;
}

}   // namespace exper
