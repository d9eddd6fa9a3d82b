#pragma once
#include <functional>

// Operations the concerns call on each other, wired by the window.
struct Operations {
    std::function<void()> renderTrace;
    std::function<void()> drawSetUp;
    std::function<void()> reset;
    std::function<void()> recenter;
    std::function<void()> start;
    std::function<void()> toggleReplay;
    std::function<void()> circleStep;
    // A run started, stopped, was held where its outcome begins, or was reset.
    std::function<void()> runStageChanged;
    // Reset: no selection left to print.
    std::function<void()> forgetCopy;
};
