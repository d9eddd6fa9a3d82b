#pragma once
// The teacher's results board: a row per student on the roster, from the
// hand-ins that pass their HMAC; every other file listed apart with its
// reason, never merged. Whether an answer is right is worked out again
// from the seed, never read from the file.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/class_predictions.h"
#include "experiments/class_file.h"
#include "experiments/hand_in.h"

namespace cls {

struct ResultRow {
    Student student;
    bool handedIn = false;
    double lastAnswer = 0.0;
    bool answered = false;
    bool right = false;
    int tries = 0;   // answers checked
    bool revealed = false;
    // each revealed prediction's largest difference from what happened, in cm/s
    std::vector<double> predictionErrors;
    // the last revealed run's prediction: red speed, red direction, black speed, black direction
    std::optional<std::array<double, 4>> predicted;
    QString time, file;
};

struct RejectedFile {
    QString file, reason;
};

struct ClassResults {
    std::vector<ResultRow> rows;   // the roster's order
    std::vector<RejectedFile> rejected;
};

struct ResultFile {
    QString name;   // the file's name, for the board
    QByteArray bytes;
};

// Why a hand-in's bytes are not a student of class `c`'s, or nothing:
// unreadable, another class, a failed HMAC, a name not on the roster.
QString refusalOf(const ClassFile& c, const QByteArray& bytes, HandInRead* read);

ClassResults gatherResults(const ClassFile& c, const std::vector<ResultFile>& files);

// What the students who handed in predicted last, one value each, for the projector.
sim::ClassPredictions classPredictions(const ClassResults& r, sim::PredictedOf of);

// One row a student, then the files apart: "csv", "csv-semicolon" or "tsv".
std::string resultsText(const ClassResults& r, const std::string& format);

}   // namespace cls
