#pragma once
// What the class may see now: one rule over the challenge, Predict First
// and the lesson, so no view asks them itself. A new "hide X" is a field
// here, a line of the rule and the drawing that shows X.

#include <array>
#include <optional>

#include "engine/challenge.h"
#include "engine/lesson.h"
#include "engine/prediction.h"
#include "engine/sim_state.h"

namespace sim {

// The data window's pages, in its tabs' order.
enum class Page { Table, Graph, Momentum, BeforeAfter, Investigate };
inline constexpr int kPageCount = 5;

struct Disclosure {
    int hiddenFrom = 0;   // the first sample of an outcome held for a prediction; 0: none
    bool unknownHidden = false;   // a challenge's unknown is kept
    bool blackMassHidden = false, percentHidden = false;
    int launchHiddenUpTo = 0;   // the launch speed is kept up to this sample (the contact); 0: none
    bool mayKeep = true;   // a kept run's trace would show what is hidden
    bool mayPrint = true;   // printing, the printer and the data window's files
    std::array<bool, kPageCount> pages{true, true, true, true, true};
    bool offers(Page p) const { return pages[static_cast<size_t>(p)]; }
    bool held() const { return hiddenFrom > 0; }
    bool launchHidden() const { return launchHiddenUpTo > 0; }
    // Whether the launch speed is kept at `sample`.
    bool launchHiddenAt(int sample) const { return sample <= launchHiddenUpTo; }
};

// What a hidden number shows in every table, caption and field.
inline constexpr const char* kHiddenNumber = "?";

Disclosure disclose(const Challenge& challenge, const Prediction& prediction, const std::optional<Lesson>& lesson,
                    const SimState& s);

}   // namespace sim
