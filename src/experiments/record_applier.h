#pragma once
#include <functional>

#include "engine/challenge.h"
#include "experiments/experiment_record.h"

class TableAccess;

// Makes a record from the table window's set-up, and applies one to it
// through the set-up rules, the controls then showing the outcome.
class RecordApplier {
public:
    explicit RecordApplier(TableAccess& window);

    exper::ExperimentRecord makeRecord() const;

    enum class Source { File, Catalogue };
    // A file's record goes in after "Yes" and the catalogue's after "Ok";
    // they differ in when the percent bar is set. `afterViewSettings` runs
    // once the view flags, circle size and scale are in (the file path
    // hides its boxes there).
    // A record ends any challenge.
    void apply(const exper::ExperimentRecord& r, Source source, const std::function<void()>& afterViewSettings = {});
    // A challenge's set-up, its unknown hidden before any control shows it.
    void applyChallenge(const sim::ChallengeSet& c);

private:
    TableAccess& w_;
};
