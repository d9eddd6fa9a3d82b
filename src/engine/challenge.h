#pragma once
// A mystery-puck challenge: a set-up drawn from a seed number with one value
// kept from the class, which measures it on the trace and types an answer.
// The model lives here, apart from any window, so the table, the data window
// and the command line hide the same value and reveal it together.

#include <optional>
#include <string_view>
#include <vector>

namespace sim {

enum class ChallengeKind {
    Mass,   // the black mass in a 1-D elastic head-on collision
    Restitution,   // the percent of a 1-D partly elastic collision
    Speed,   // the red launch speed, the trace before the contact hidden
    Glancing,   // the black mass in a 2-D glancing elastic collision
};
inline constexpr int kChallengeKindCount = 4;
inline constexpr int kFirstSeed = 1, kLastSeed = 9999;
inline constexpr int kChallengeTries = 3;

// "mass", "restitution", "speed", "glancing": the command line's and the
// lesson file's names.
const char* challengeKindName(ChallengeKind k);
std::optional<ChallengeKind> challengeKindNamed(std::string_view name);

// What a seed gives, as the bars and the places have it.
struct ChallengeSet {
    ChallengeKind kind = ChallengeKind::Mass;
    int seed = kFirstSeed;
    int dimension = 1;
    int redMass = 10, blackMass = 10;   // bar positions: tenths of a kilogram
    int redSpeed = 50;   // tenths of a cm/s; the black puck is at rest
    int percent = 100;   // the Semi Elastic bar; 100 in the elastic kinds
    int circleSize = 0;   // the 2-D pucks' size entry
    int redLeft = 0, redTop = 0, blackLeft = 0, blackTop = 0;   // top-left corners in the panel
};

// The hidden value in its unit (kg, % or cm/s), and the share of it within
// which an answer is right.
double challengeAnswer(const ChallengeSet& c);
const char* challengeUnit(ChallengeKind k);
double challengeTolerance(ChallengeKind k);

enum class Verdict { Within, NotYet, NoTriesLeft };

// An answer as it was checked, for a hand-in.
struct CheckedAnswer {
    double value = 0.0;
    Verdict verdict = Verdict::NotYet;
    long long unixSeconds = 0;   // when
};

// The challenge of the table: none, or one being solved.
struct Challenge {
    bool on = false;
    ChallengeSet set;
    int tries = 0;
    bool solved = false;
    bool revealed = false;
    std::vector<CheckedAnswer> answers;   // every answer checked, in order

    void start(const ChallengeSet& s)
    {
        *this = Challenge{};
        on = true;
        set = s;
    }
    // Whether the unknown is kept from the class now.
    bool hiding() const { return on && !revealed; }
    bool triesLeft() const { return !solved && tries < kChallengeTries; }
    // An answer typed in the challenge's unit; each one that is not within
    // the tolerance uses a try.
    Verdict check(double answer);
    // what is hidden, while it is
    bool hidesBlackMass() const;
    bool hidesPercent() const;
    bool hidesRedSpeed() const;
};

}   // namespace sim
