#pragma once
// The command line, read whole before anything runs.

#include <QString>
#include <QStringList>

struct CommandLine {
    bool help = false, version = false;
    bool exportTrace = false, exportData = false, investigate = false, exportImage = false;
    int zoom = 1;   // --export-image: each pixel a zoom x zoom block
    bool exportAnimation = false, labSheet = false;
    int every = 0;   // --export-animation: a frame every this many ticks; 0: as the window chooses
    QString fileToOpen;   // an experiment file for the window
    QString experiment, output;
    int catalogue = 0;   // 1..17; 0 none
    int ticks = 9998;
    int intervalMs = 10;   // --speed: slow 50, medium 25, fast 10
    // --export-data
    int frequencyIndex = 0;   // of 20, 10, 5, 4, 2, 1 Hz
    QString columns;   // empty: the table's own; "all"; or names
    bool radians = false, everySample = false, ledger = false, fullPrecision = false;
    bool cmFrame = false, frameGiven = false;   // --frame cm: seen from the centre of mass
    QString format = QStringLiteral("csv");
    QStringList compare;   // --compare: experiment files whose ledgers stand beside the first
    // --investigate: the setting swept (NAME=FROM:TO:STEP) and what is measured (NAME,NAME...)
    QString vary, measures;
    // --challenge KIND --seed N: the window opens on it; --challenge-key KIND
    // --seeds FROM-TO: the teacher's key; --lesson FILE: the window opens on it
    QString challenge, lesson;
    int seed = 0;
    bool challengeKey = false;
    int seedFrom = 0, seedTo = 0;
};

// Fills `line`; returns an empty string, or the one line an error gets.
QString readCommandLine(int argc, char** argv, CommandLine* line);

extern const char kUsage[];
