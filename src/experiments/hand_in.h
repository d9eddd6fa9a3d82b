#pragma once
// A student's hand-in: one UTF-8 JSON file of what the student did with
// their challenge, signed with an HMAC (SHA-256) under the key their code
// makes. Read whole and checked before anything in it is used.

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

#include "engine/challenge.h"

namespace cls {

inline constexpr qint64 kHandInLimit = 64 * 1024;
inline constexpr int kMaxAnswers = 100;

struct CheckedAnswer {
    double value = 0.0;
    QString time;   // ISO 8601, UTC
    QString verdict;   // "within", "not yet", "no tries left": the student's program's, for the student
};

// A revealed Predict First run: red speed, red direction, black speed,
// black direction after, predicted and as it happened.
struct PredictedRun {
    std::array<double, 4> predicted{}, actual{};
};

struct HandIn {
    QString program, className, name;
    int classId = 0;
    sim::ChallengeKind kind = sim::ChallengeKind::Mass;
    int seed = 1;
    std::vector<CheckedAnswer> answers;
    int tries = 0;
    bool revealed = false;
    std::vector<PredictedRun> predictions;
    QString handedIn;   // ISO 8601, UTC
};

const char* verdictText(sim::Verdict v);

// The file's bytes, signed under `key`.
QByteArray handInText(const HandIn& h, const QByteArray& key);

// What is wrong with a file before its key is known: nothing, or the reason.
// `signedPart` and `mac` are what the HMAC is to be checked over.
struct HandInRead {
    HandIn handIn;
    QByteArray signedPart, mac;
};
bool readHandIn(const QByteArray& bytes, HandInRead* read, QString* error);
bool signatureHolds(const HandInRead& read, const QByteArray& key);

// A name a student may hand in under: no control characters and no path.
bool plainStudentName(const QString& name);

}   // namespace cls
