#pragma once
// The set-up a challenge's seed gives, as an experiment record, and the
// teacher's key. Every value is drawn over its bar's own steps by a small
// generator, the same on every machine, and a draw whose pucks would not
// meet cleanly, or would leave the table before they can be measured, is
// passed over for the next draw of the same stream.

#include <string>

#include "engine/challenge.h"
#include "experiments/experiment_record.h"

namespace exper {

// The generator: the state starts at seed x 8 + the kind's number (mass 0,
// restitution 1, speed 2, glancing 3); each draw steps it as
// state = state x 1664525 + 1013904223 (mod 2^32) and gives
// lo + mix(state) mod (hi - lo + 1), where mix is MurmurHash3's finaliser
// (h ^= h >> 16; h *= 0x85ebca6b; h ^= h >> 13; h *= 0xc2b2ae35; h ^= h >> 16),
// so that neighbouring seeds give unrelated set-ups.
class ChallengeDraw {
public:
    ChallengeDraw(sim::ChallengeKind kind, int seed);
    int between(int lo, int hi);

private:
    uint32_t state_;
};

// The seed's set-up. `seed` is held to 1 .. 9999.
sim::ChallengeSet challengeSet(sim::ChallengeKind kind, int seed);

// The record that sets the table up for it.
ExperimentRecord challengeRecord(const sim::ChallengeSet& c);

// Whether the pucks meet between the 6th and the 200th sample and both stay
// on the table for ten samples after.
bool meetsCleanly(const sim::ChallengeSet& c);

// The key: a header, then one CSV line per seed from `from` to `to`.
std::string challengeKey(sim::ChallengeKind kind, int from, int to);

}   // namespace exper
