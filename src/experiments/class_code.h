#pragma once
// A student's join code: sixteen letters and digits in four groups, typed
// from a slip. It carries the challenge's kind and seed and the class's
// number, which the student's program needs, and 48 bits that only the
// class's secret can make; its last symbol catches a mistyped one.

#include <QByteArray>
#include <QString>
#include <optional>

#include "engine/challenge.h"

namespace cls {

// Digits 2-9 and the letters without I and O: nothing to misread.
inline constexpr char kCodeSymbols[] = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
inline constexpr int kClassIdBits = 11;

struct CodeFields {
    sim::ChallengeKind kind = sim::ChallengeKind::Mass;
    int seed = 1;   // 1 .. 9999
    int classId = 0;   // 0 .. 2047: which class made it
    quint64 tag = 0;   // 48 bits from the class's secret
    bool operator==(const CodeFields&) const = default;
};

// "ABCD-EFGH-JKLM-NPQR"
QString formatCode(const CodeFields& f);
// A code as typed: any case, blanks and dashes anywhere. Nothing when a
// symbol is not one of the code's, the check does not hold or a field is out of range.
std::optional<CodeFields> readCode(const QString& typed);

// The class's number and a student's 48 bits, from the class's secret.
int classIdOf(const QByteArray& secret);
quint64 joinTag(const QByteArray& secret, sim::ChallengeKind kind, int seed);

// The key a student's hand-in is signed with: made from the code alone, so
// only the student and the class file's owner can make it.
QByteArray handInKey(const CodeFields& f);

}   // namespace cls
