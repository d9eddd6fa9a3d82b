#include "experiments/class_file.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSet>

#include "experiments/challenge_setup.h"

namespace cls {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ClassFile)
};

bool plainName(const QString& n)
{
    for (QChar c : n)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    return !n.trimmed().isEmpty() && n.size() <= 100;
}

}   // namespace

CodeFields ClassFile::fieldsOf(const Student& s) const
{
    return {kind, s.seed, classIdOf(secret), joinTag(secret, kind, s.seed)};
}

const Student* ClassFile::bySeed(int seed) const
{
    for (const Student& s : students)
        if (s.seed == seed)
            return &s;
    return nullptr;
}

bool readRoster(const QByteArray& utf8, QStringList* out, QString* error)
{
    QStringList list;
    QStringList* names = &list;   // the caller's list only once every line is read
    QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();   // the last line's end
    QSet<QString> seen;
    for (int i = 0; i < lines.size(); ++i) {
        QString n = lines[i];
        if (n.endsWith(QLatin1Char('\r')))
            n.chop(1);
        n = n.trimmed();
        QString why;
        if (n.isEmpty())
            why = Text::tr("line %1 is blank").arg(i + 1);
        else if (!plainName(n))
            why = Text::tr("line %1: not a name").arg(i + 1);
        else if (seen.contains(n.toCaseFolded()))
            why = Text::tr("line %1: \"%2\" twice").arg(i + 1).arg(n);
        else if (names->size() >= kMaxStudents)
            why = Text::tr("line %1: over 1000 students").arg(i + 1);
        if (!why.isEmpty()) {
            *error = why;
            return false;
        }
        seen.insert(n.toCaseFolded());
        *names << n;
    }
    if (names->isEmpty()) {
        *error = Text::tr("no names in the file");
        return false;
    }
    *out = list;
    return true;
}

ClassFile newClass(const QString& name, sim::ChallengeKind kind, const QStringList& names)
{
    ClassFile c;
    c.name = name;
    c.kind = kind;
    c.secret.resize(kSecretBytes);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(c.secret.data()), kSecretBytes / 4);
    QSet<int> used;
    for (const QString& n : names) {
        int seed = 0;
        do
            seed = static_cast<int>(QRandomGenerator::system()->bounded(sim::kFirstSeed, sim::kLastSeed + 1));
        while (used.contains(seed));
        used.insert(seed);
        c.students.push_back({n, seed});
    }
    return c;
}

QByteArray classFileText(const ClassFile& c)
{
    QJsonArray students;
    for (const Student& s : c.students)
        students.append(QJsonObject{{QStringLiteral("name"), s.name}, {QStringLiteral("seed"), s.seed}});
    const QJsonObject o{{QStringLiteral("format"), QStringLiteral("slidora-class")},
                        {QStringLiteral("version"), 1},
                        {QStringLiteral("name"), c.name},
                        {QStringLiteral("kind"), QString::fromLatin1(sim::challengeKindName(c.kind))},
                        {QStringLiteral("secret"), QString::fromLatin1(c.secret.toHex())},
                        {QStringLiteral("students"), students}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool readClassFile(const QByteArray& bytes, ClassFile* out, QString* error)
{
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    const QJsonObject o = doc.object();
    if (!doc.isObject() || o.value(QStringLiteral("format")).toString() != QLatin1String("slidora-class")) {
        *error = Text::tr("not a Slidora class file");
        return false;
    }
    if (o.value(QStringLiteral("version")).toInt() != 1) {
        *error = Text::tr("a class file of another version");
        return false;
    }
    ClassFile c;
    c.name = o.value(QStringLiteral("name")).toString();
    c.secret = QByteArray::fromHex(o.value(QStringLiteral("secret")).toString().toLatin1());
    const auto kind = sim::challengeKindNamed(o.value(QStringLiteral("kind")).toString().toStdString());
    const QJsonArray students = o.value(QStringLiteral("students")).toArray();
    QSet<int> seeds;
    bool ok = kind && c.secret.size() == kSecretBytes && !students.isEmpty() && students.size() <= kMaxStudents;
    for (const QJsonValue& v : students) {
        const Student s{v[QStringLiteral("name")].toString(), v[QStringLiteral("seed")].toInt()};
        ok =
            ok && plainName(s.name) && s.seed >= sim::kFirstSeed && s.seed <= sim::kLastSeed && !seeds.contains(s.seed);
        seeds.insert(s.seed);
        c.students.push_back(s);
    }
    if (!ok) {
        *error = Text::tr("the class file is damaged");
        return false;
    }
    c.kind = *kind;
    *out = c;
    return true;
}

std::string classKey(const ClassFile& c)
{
    std::string out;
    for (const Student& s : c.students) {
        const std::string key = exper::challengeKey(c.kind, s.seed, s.seed);
        const size_t eol = key.find('\n');
        if (out.empty())
            out = "name,code,kind," + key.substr(0, eol + 1);
        QString name = s.name;
        name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        out += '"' + name.toStdString() + "\"," + c.codeOf(s).toStdString() + ',' + sim::challengeKindName(c.kind) + ','
            + key.substr(eol + 1);
    }
    return out;
}

}   // namespace cls
