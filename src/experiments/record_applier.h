#pragma once
#include <functional>

#include "experiments/experiment_record.h"

class TableWindow;

// Makes a record from the live set-up, and applies one to the table window
// by driving the same controls and menu entries a user would.
class RecordApplier {
public:
    explicit RecordApplier(TableWindow& window);

    exper::ExperimentRecord makeRecord() const;

    enum class Source { File, Catalogue };
    // A file's record goes in after "Yes" and the catalogue's after "Ok";
    // they differ in when the percent bar is set. `afterViewSettings` runs
    // once the view flags, circle size and scale are in (the file path
    // hides its boxes there).
    void apply(const exper::ExperimentRecord& r, Source source, const std::function<void()>& afterViewSettings = {});

private:
    void placePucksAndHandles(const exper::ExperimentRecord& r);
    void setBars(const exper::ExperimentRecord& r, Source source);
    void rememberMenuValues(const exper::ExperimentRecord& r);
    void chooseModes(const exper::ExperimentRecord& r);
    void chooseInteraction(const exper::ExperimentRecord& r);
    void setViewSettings(const exper::ExperimentRecord& r);
    void setTableAngle(const exper::ExperimentRecord& r);

    TableWindow& w_;
};
