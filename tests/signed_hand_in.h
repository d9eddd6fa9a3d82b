#pragma once
// A student's hand-in signed with their own code, as their Hand In writes it.
#include <vector>

#include "experiments/class_file.h"
#include "experiments/hand_in.h"

inline QByteArray signedHandIn(const cls::ClassFile& c, const cls::Student& s, const std::vector<double>& answers = {})
{
    cls::HandIn h;
    h.name = s.name;
    h.classId = cls::classIdOf(c.secret);
    h.kind = c.kind;
    h.seed = s.seed;
    for (double a : answers)
        h.answers.push_back({a, QStringLiteral("2026-12-10T10:00:00Z"), QStringLiteral("not yet")});
    h.handedIn = QStringLiteral("2026-12-10T10:00:00Z");
    return cls::handInText(h, cls::handInKey(c.fieldsOf(s)));
}
