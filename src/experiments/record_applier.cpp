#include "experiments/record_applier.h"

#include "experiments/challenge_setup.h"
#include "experiments/record_setup.h"
#include "setup/model_view.h"
#include "setup/table_access.h"

RecordApplier::RecordApplier(TableAccess& window) : w_(window) {}

exper::ExperimentRecord RecordApplier::makeRecord() const
{
    return exper::recordOf(w_.room().model(), w_.room().state());
}

void RecordApplier::apply(const exper::ExperimentRecord& r, Source source,
                          const std::function<void()>& afterViewSettings)
{
    w_.classroom().run(&sim::Classroom::endChallenge);
    exper::applyRecord(w_.rules(), w_.classroom().commands().runState(), w_.setupHost(), r,
                       source == Source::File ? exper::RecordSource::File : exper::RecordSource::Catalogue,
                       afterViewSettings);
    w_.showSetUp();
}

void RecordApplier::applyChallenge(const sim::ChallengeSet& c)
{
    // shown once the set-up is the challenge's
    const sim::Changes started = w_.classroom().commands().startChallenge(c);
    exper::applyRecord(w_.rules(), w_.classroom().commands().runState(), w_.setupHost(), exper::challengeRecord(c),
                       exper::RecordSource::Catalogue);
    w_.classroom().tell(started);
}
