#include "engine/disclosure.h"

#include <algorithm>

namespace sim {

Disclosure disclose(const Challenge& challenge, const Prediction& prediction, const std::optional<Lesson>& lesson,
                    const SimState& s)
{
    Disclosure d;
    d.hiddenFrom = prediction.hiddenFrom();
    d.unknownHidden = challenge.hiding();
    d.blackMassHidden = challenge.hidesBlackMass();
    d.percentHidden = challenge.hidesPercent();
    if (challenge.hidesRedSpeed())
        d.launchHiddenUpTo = std::min(s.collided ? s.collisionTick : kTickCeiling, kTickCeiling);
    const bool held = d.hiddenFrom > 0;
    d.mayKeep = !held && !d.unknownHidden;
    d.mayPrint = !lesson || lesson->allows(LessonPart::Print);
    const LessonPart parts[kPageCount] = {LessonPart::DataPage, LessonPart::GraphPage, LessonPart::MomentumPage,
                                          LessonPart::BeforeAfterPage, LessonPart::InvestigatePage};
    for (int p = 0; p < kPageCount; ++p)
        d.pages[static_cast<size_t>(p)] = !lesson || lesson->allowsPage(parts[p]);
    // the arrows would draw the unknown mass's momentum; a sweep computes
    // the unknown and the held outcome alike
    d.pages[static_cast<size_t>(Page::Momentum)] = d.offers(Page::Momentum) && !d.unknownHidden;
    d.pages[static_cast<size_t>(Page::Investigate)] = d.offers(Page::Investigate) && !d.unknownHidden && !held;
    return d;
}

}   // namespace sim
