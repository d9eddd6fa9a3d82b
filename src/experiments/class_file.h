#pragma once
// The teacher's class file: the class's name, its secret, the challenge's
// kind and the roster, each student with a seed of their own. The codes are
// made from it again whenever they are needed; the file never has to reach
// a student's machine. Read whole and checked before anything is used.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "engine/challenge.h"
#include "experiments/class_code.h"

namespace cls {

inline constexpr int kMaxStudents = 1000;
inline constexpr qint64 kClassFileLimit = 1024 * 1024;
inline constexpr qint64 kRosterLimit = 256 * 1024;
inline constexpr int kSecretBytes = 32;

struct Student {
    QString name;
    int seed = 0;
};

struct ClassFile {
    QString name;
    QByteArray secret;
    sim::ChallengeKind kind = sim::ChallengeKind::Mass;
    std::vector<Student> students;

    CodeFields fieldsOf(const Student& s) const;
    QString codeOf(const Student& s) const { return formatCode(fieldsOf(s)); }
    // The student a code or a hand-in's kind and seed belong to, if any.
    const Student* bySeed(int seed) const;
};

// A names file: one student a line, UTF-8. A blank line, a name twice or a
// name with control characters is refused with its line ("line 4: ...").
bool readRoster(const QByteArray& utf8, QStringList* names, QString* error);

// A new class: `secret` from the system's random source, and a seed for
// each student, no two alike, from the same source.
ClassFile newClass(const QString& name, sim::ChallengeKind kind, const QStringList& names);

QByteArray classFileText(const ClassFile& c);
bool readClassFile(const QByteArray& bytes, ClassFile* c, QString* error);

// The teacher's key: name, code, kind, seed, then the set-up and the
// answer as the challenge key writes them.
std::string classKey(const ClassFile& c);

}   // namespace cls
