#pragma once
// What both exports share: the experiment set up and run without a
// window, and the output written to a file or standard output.

#include <QString>
#include <memory>
#include <string>

#include "app/command_line.h"
#include "engine/headless_setup.h"
#include "engine/sim_state.h"
#include "ui/safe_save.h"

struct HeadlessJob {
    std::unique_ptr<sim::SimState> state = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup{*state};
    int timeLineEnd = 1;   // the last tick shown
};

// Sets the table up from the command line's experiment, at its computer
// speed, and runs its ticks. Returns an empty string, or why it could not.
QString runJob(const CommandLine& line, HeadlessJob& job);
// The same set-up, not run.
QString setUpJob(const CommandLine& line, HeadlessJob& job);

// One line on standard error; the exit status of a failed export.
int fail(const QString& what);

// The export's destination: the file (through the safe save) or standard output.
class Output {
public:
    explicit Output(const QString& path);
    bool open(QString* error);
    void put(const std::string& text);
    // 0 when every byte arrived; else the message on standard error and 2.
    int finish();

private:
    QString path_;
    SafeSave file_;
    bool written_ = true;
};
