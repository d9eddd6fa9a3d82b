#pragma once
// What the Experiment box is doing, without a window: showing a Load or Save
// box, asking whether a loaded file is the right one, or showing a catalogue
// entry. Its buttons, its keys and what Ok does are read from here.

namespace exper {

enum class BoxStage {
    Hidden,
    Load,   // "Load" chooses a file; a file that cannot be applied stays here
    Confirm,   // a loaded file shown, "Is this the right Experiment?"
    Save,   // the explanation is typed, "Save" writes it
    Entry,   // a catalogue entry's explanation; "Ok" applies it
};

enum class BoxButton { LoadSave, CancelOk, Yes, No };

class BoxModel {
public:
    BoxStage stage() const { return stage_; }
    // What the Load/Save button does, kept while an entry or nothing shows.
    bool saving() const { return saving_; }

    void openLoad();
    void openSave();
    // A file was read into the box: asked about when it can be applied whole.
    void fileShown(bool usable);
    void declined();   // "No"
    void entryShown();
    void close();

    bool shown() const { return stage_ != BoxStage::Hidden; }
    bool shows(BoxButton b) const;
    // Return's button when none of the box's buttons has the focus.
    BoxButton defaultButton() const;
    // "Ok" applies the catalogue entry shown; "Cancel" only closes.
    bool okApplies() const { return stage_ == BoxStage::Entry; }

private:
    BoxStage stage_ = BoxStage::Hidden;
    bool saving_ = false;
};

}   // namespace exper
