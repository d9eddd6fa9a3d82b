#include "experiments/hand_in.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>

namespace cls {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(HandIn)
};

QJsonArray numbers(const std::array<double, 4>& v)
{
    return {v[0], v[1], v[2], v[3]};
}

bool readNumbers(const QJsonValue& v, std::array<double, 4>* out)
{
    const QJsonArray a = v.toArray();
    if (a.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        if (!a[i].isDouble())
            return false;
        (*out)[static_cast<size_t>(i)] = a[i].toDouble();
    }
    return true;
}

QJsonObject bodyOf(const HandIn& h)
{
    QJsonArray answers;
    for (const CheckedAnswer& a : h.answers)
        answers.append(QJsonObject{{QStringLiteral("value"), a.value},
                                   {QStringLiteral("time"), a.time},
                                   {QStringLiteral("verdict"), a.verdict}});
    QJsonArray predictions;
    for (const PredictedRun& p : h.predictions)
        predictions.append(QJsonObject{{QStringLiteral("predicted"), numbers(p.predicted)},
                                       {QStringLiteral("actual"), numbers(p.actual)}});
    return {{QStringLiteral("format"), QStringLiteral("slidora-result")},
            {QStringLiteral("version"), 1},
            {QStringLiteral("program"), h.program},
            {QStringLiteral("class"), h.className},
            {QStringLiteral("classId"), h.classId},
            {QStringLiteral("name"), h.name},
            {QStringLiteral("kind"), QString::fromLatin1(sim::challengeKindName(h.kind))},
            {QStringLiteral("seed"), h.seed},
            {QStringLiteral("answers"), answers},
            {QStringLiteral("tries"), h.tries},
            {QStringLiteral("revealed"), h.revealed},
            {QStringLiteral("predictions"), predictions},
            {QStringLiteral("handedIn"), h.handedIn}};
}

QByteArray macOf(const QByteArray& signedPart, const QByteArray& key)
{
    return QMessageAuthenticationCode::hash(signedPart, key, QCryptographicHash::Sha256);
}

bool readAnswers(const QJsonArray& list, HandIn* h)
{
    if (list.size() > kMaxAnswers)
        return false;
    for (const QJsonValue& v : list) {
        const QJsonObject a = v.toObject();
        if (!a.value(QStringLiteral("value")).isDouble())
            return false;
        h->answers.push_back({a.value(QStringLiteral("value")).toDouble(), a.value(QStringLiteral("time")).toString(),
                              a.value(QStringLiteral("verdict")).toString()});
    }
    return true;
}

bool readPredictions(const QJsonArray& list, HandIn* h)
{
    if (list.size() > kMaxAnswers)
        return false;
    for (const QJsonValue& v : list) {
        PredictedRun p;
        if (!readNumbers(v[QStringLiteral("predicted")], &p.predicted)
            || !readNumbers(v[QStringLiteral("actual")], &p.actual))
            return false;
        h->predictions.push_back(p);
    }
    return true;
}

}   // namespace

const char* verdictText(sim::Verdict v)
{
    switch (v) {
    case sim::Verdict::Within: return "within";
    case sim::Verdict::NotYet: return "not yet";
    case sim::Verdict::NoTriesLeft: return "no tries left";
    }
    return "";
}

bool plainStudentName(const QString& name)
{
    for (QChar c : name)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || c == QLatin1Char('/')
            || c == QLatin1Char('\\'))
            return false;
    return !name.trimmed().isEmpty() && name.size() <= 100;
}

QByteArray handInText(const HandIn& h, const QByteArray& key)
{
    QJsonObject o = bodyOf(h);
    const QByteArray signedPart = QJsonDocument(o).toJson(QJsonDocument::Compact);
    o.insert(QStringLiteral("hmac"), QString::fromLatin1(macOf(signedPart, key).toHex()));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool readHandIn(const QByteArray& bytes, HandInRead* read, QString* error)
{
    if (bytes.isEmpty() || bytes.size() > kHandInLimit) {
        *error = bytes.isEmpty() ? Text::tr("the file is empty") : Text::tr("the file is too large");
        return false;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    QJsonObject o = doc.object();
    if (parse.error != QJsonParseError::NoError || !doc.isObject()
        || o.value(QStringLiteral("format")).toString() != QLatin1String("slidora-result")) {
        *error = Text::tr("not a Slidora result file");
        return false;
    }
    if (o.value(QStringLiteral("version")).toInt() != 1) {
        *error = Text::tr("a result file of another version");
        return false;
    }
    HandIn& h = read->handIn;
    h.program = o.value(QStringLiteral("program")).toString();
    h.className = o.value(QStringLiteral("class")).toString();
    h.classId = o.value(QStringLiteral("classId")).toInt(-1);
    h.name = o.value(QStringLiteral("name")).toString();
    const auto kind = sim::challengeKindNamed(o.value(QStringLiteral("kind")).toString().toStdString());
    h.seed = o.value(QStringLiteral("seed")).toInt();
    h.tries = o.value(QStringLiteral("tries")).toInt();
    h.revealed = o.value(QStringLiteral("revealed")).toBool();
    h.handedIn = o.value(QStringLiteral("handedIn")).toString();
    read->mac = QByteArray::fromHex(o.value(QStringLiteral("hmac")).toString().toLatin1());
    const bool ok = kind && h.seed >= sim::kFirstSeed && h.seed <= sim::kLastSeed && h.classId >= 0
        && read->mac.size() == 32 && readAnswers(o.value(QStringLiteral("answers")).toArray(), &h)
        && readPredictions(o.value(QStringLiteral("predictions")).toArray(), &h);
    if (!ok) {
        *error = Text::tr("the result file is damaged");
        return false;
    }
    if (!plainStudentName(h.name)) {
        *error = Text::tr("the name is not a plain name");
        return false;
    }
    h.kind = *kind;
    o.remove(QStringLiteral("hmac"));
    read->signedPart = QJsonDocument(o).toJson(QJsonDocument::Compact);
    return true;
}

bool signatureHolds(const HandInRead& read, const QByteArray& key)
{
    return macOf(read.signedPart, key) == read.mac;
}

}   // namespace cls
