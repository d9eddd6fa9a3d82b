#include "engine/challenge.h"

#include <cmath>

namespace sim {

namespace {
constexpr const char* kNames[kChallengeKindCount] = {"mass", "restitution", "speed", "glancing"};
}

const char* challengeKindName(ChallengeKind k)
{
    return kNames[static_cast<int>(k)];
}

std::optional<ChallengeKind> challengeKindNamed(std::string_view name)
{
    for (int i = 0; i < kChallengeKindCount; ++i)
        if (name == kNames[i])
            return static_cast<ChallengeKind>(i);
    return std::nullopt;
}

double challengeAnswer(const ChallengeSet& c)
{
    switch (c.kind) {
    case ChallengeKind::Restitution: return c.percent;
    case ChallengeKind::Speed: return c.redSpeed / 10.0;
    default: return c.blackMass / 10.0;
    }
}

const char* challengeUnit(ChallengeKind k)
{
    switch (k) {
    case ChallengeKind::Restitution: return "%";
    case ChallengeKind::Speed: return "cm/s";
    default: return "kg";
    }
}

double challengeTolerance(ChallengeKind)
{
    // the scripted student of the tests lands well inside it for every kind
    return 0.05;
}

Verdict Challenge::check(double answer)
{
    if (!triesLeft())
        return solved ? Verdict::Within : Verdict::NoTriesLeft;
    const double want = challengeAnswer(set);
    if (std::isfinite(answer) && std::fabs(answer - want) <= challengeTolerance(set.kind) * want) {
        solved = true;
        revealed = true;   // found: nothing left to keep
        return Verdict::Within;
    }
    ++tries;
    return tries < kChallengeTries ? Verdict::NotYet : Verdict::NoTriesLeft;
}

bool Challenge::hidesBlackMass() const
{
    return hiding() && (set.kind == ChallengeKind::Mass || set.kind == ChallengeKind::Glancing);
}

bool Challenge::hidesPercent() const
{
    return hiding() && set.kind == ChallengeKind::Restitution;
}

bool Challenge::hidesRedSpeed() const
{
    return hiding() && set.kind == ChallengeKind::Speed;
}

}   // namespace sim
