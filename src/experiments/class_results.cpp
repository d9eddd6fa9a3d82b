#include "experiments/class_results.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <map>

#include "engine/numbers.h"
#include "experiments/challenge_setup.h"

namespace cls {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ClassResults)
};

// The answers as the Challenge dialog would have checked them, in order;
// `checked`: how many it took before it was solved or had no tries left.
sim::Challenge replay(const ClassFile& c, const HandIn& h, int* checked)
{
    sim::Challenge challenge;
    challenge.start(exper::challengeSet(c.kind, h.seed));
    *checked = 0;
    for (const CheckedAnswer& a : h.answers)
        if (challenge.triesLeft()) {
            challenge.check(a.value);
            ++*checked;
        }
    return challenge;
}

// Why a file that reads whole is not this class's student's, or nothing.
QString refusal(const ClassFile& c, const HandInRead& read)
{
    const HandIn& h = read.handIn;
    if (h.classId != classIdOf(c.secret) || h.kind != c.kind)
        return Text::tr("belongs to another class");
    const Student* s = c.bySeed(h.seed);
    if (!s || !signatureHolds(read, handInKey(c.fieldsOf(*s))))
        return Text::tr("its HMAC does not hold: changed after it was signed, or signed with another code");
    // the code names the student; the name as typed may differ in case alone
    const auto same = [](const QString& a, const QString& b) {
        return a.trimmed().toCaseFolded() == b.trimmed().toCaseFolded();
    };
    if (!same(s->name, h.name)) {
        for (const Student& other : c.students)
            if (same(other.name, h.name))
                return Text::tr("names %1 but is signed with another student's code").arg(h.name);
        return Text::tr("\"%1\" is not on the roster").arg(h.name);
    }
    return {};
}

ResultRow rowOf(const ClassFile& c, const Student& s, const HandIn& h, const QString& file)
{
    ResultRow row;
    row.student = s;
    row.handedIn = true;
    row.answered = !h.answers.empty();
    row.lastAnswer = row.answered ? h.answers.back().value : 0.0;
    int checked = 0;
    const sim::Challenge replayed = replay(c, h, &checked);
    row.right = replayed.solved;
    row.tries = checked;
    row.revealed = h.revealed;
    for (const PredictedRun& p : h.predictions) {
        double worst = 0.0;
        for (size_t i : {size_t(0), size_t(2)})   // the speeds
            worst = std::max(worst, std::fabs(p.predicted[i] - p.actual[i]));
        row.predictionErrors.push_back(worst);
    }
    if (!h.predictions.empty())
        row.predicted = h.predictions.back().predicted;
    row.time = h.handedIn;
    row.file = file;
    return row;
}

std::string cell(const QString& text, char separator)
{
    std::string s = text.toStdString();
    if (separator == '\t') {
        std::replace(s.begin(), s.end(), '\t', ' ');
        return s;
    }
    if (s.find_first_of(std::string("\"\n") + separator) == std::string::npos)
        return s;
    std::string quoted = "\"";
    for (char ch : s)
        quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return quoted + '"';
}

QString number(double v, bool comma)
{
    QString t = QString::fromStdString(num::F(v, 0, 2));
    return comma ? t.replace(QLatin1Char('.'), QLatin1Char(',')) : t;
}

}   // namespace

QString refusalOf(const ClassFile& c, const QByteArray& bytes, HandInRead* read)
{
    QString why;
    if (!readHandIn(bytes, read, &why))
        return why;
    return refusal(c, *read);
}

ClassResults gatherResults(const ClassFile& c, const std::vector<ResultFile>& files)
{
    ClassResults out;
    std::map<int, std::pair<HandIn, QString>> latest;   // by seed
    std::map<QByteArray, QString> seen;   // the same bytes twice
    std::vector<ResultFile> sorted = files;
    std::sort(sorted.begin(), sorted.end(), [](const ResultFile& a, const ResultFile& b) { return a.name < b.name; });
    for (const ResultFile& f : sorted) {
        HandInRead read;
        QString why;
        if (const auto twin = seen.find(f.bytes); twin != seen.end())
            why = Text::tr("the same file as %1").arg(twin->second);
        else
            why = refusalOf(c, f.bytes, &read);
        seen.emplace(f.bytes, f.name);
        if (!why.isEmpty()) {
            out.rejected.push_back({f.name, why});
            continue;
        }
        auto at = latest.find(read.handIn.seed);
        if (at == latest.end()) {
            latest.emplace(read.handIn.seed, std::make_pair(read.handIn, f.name));
            continue;
        }
        // a student who handed in twice: the later hand-in stands, the other is listed apart
        const bool newer = read.handIn.handedIn > at->second.first.handedIn;
        const QString older = newer ? at->second.second : f.name;
        out.rejected.push_back({older, Text::tr("an earlier hand-in of %1").arg(read.handIn.name)});
        if (newer)
            at->second = {read.handIn, f.name};
    }
    for (const Student& s : c.students) {
        const auto at = latest.find(s.seed);
        if (at != latest.end()) {
            out.rows.push_back(rowOf(c, s, at->second.first, at->second.second));
            continue;
        }
        ResultRow absent;
        absent.student = s;
        out.rows.push_back(absent);
    }
    return out;
}

sim::ClassPredictions classPredictions(const ClassResults& r, sim::PredictedOf of)
{
    sim::ClassPredictions c;
    c.of = of;
    for (const ResultRow& row : r.rows)
        if (row.predicted)
            c.values.push_back((*row.predicted)[size_t(of)]);
    return c;
}

std::string resultsText(const ClassResults& r, const std::string& format)
{
    const char sep = format == "tsv" ? '\t' : format == "csv-semicolon" ? ';' : ',';
    const bool comma = format == "csv-semicolon";
    std::string out;
    auto line = [&](const QStringList& cells) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i)
                out += sep;
            out += cell(cells[i], sep);
        }
        out += '\n';
    };
    line({QStringLiteral("name"), QStringLiteral("handed in"), QStringLiteral("last answer"), QStringLiteral("right"),
          QStringLiteral("tries"), QStringLiteral("revealed"), QStringLiteral("prediction errors"),
          QStringLiteral("time"), QStringLiteral("file")});
    for (const ResultRow& row : r.rows) {
        QStringList errors;
        for (double e : row.predictionErrors)
            errors << number(e, comma);
        const QString yes = QStringLiteral("yes"), no = QStringLiteral("no");
        line({row.student.name, row.handedIn ? yes : no, row.answered ? number(row.lastAnswer, comma) : QString(),
              row.handedIn ? (row.right ? yes : no) : QString(), row.handedIn ? QString::number(row.tries) : QString(),
              row.handedIn ? (row.revealed ? yes : no) : QString(), errors.join(QLatin1Char(' ')), row.time, row.file});
    }
    if (!r.rejected.empty()) {
        out += '\n';
        line({QStringLiteral("file"), QStringLiteral("not merged, because")});
        for (const RejectedFile& f : r.rejected)
            line({f.file, f.reason});
    }
    return out;
}

}   // namespace cls
