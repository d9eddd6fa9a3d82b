// A class: join codes, the class file, hand-ins and the results board.
#include <gtest/gtest.h>

#include "experiments/challenge_setup.h"
#include "experiments/class_results.h"

namespace {
using cls::readCode;

cls::ClassFile classOf(const QStringList& names)
{
    return cls::newClass(QStringLiteral("7b"), sim::ChallengeKind::Mass, names);
}

// A hand-in of `student` signed with `signer`'s code (the student's own by default).
cls::ResultFile handIn(const cls::ClassFile& c, const cls::Student& student, std::vector<double> answers,
                       const QString& file, const cls::Student* signer = nullptr,
                       const QString& when = "2026-12-10T10:00:00Z")
{
    const cls::Student& key = signer ? *signer : student;
    cls::HandIn h;
    h.name = student.name;
    h.classId = cls::classIdOf(c.secret);
    h.kind = c.kind;
    h.seed = key.seed;
    for (double a : answers)
        h.answers.push_back({a, when, QStringLiteral("within")});   // the board must not believe it
    h.handedIn = when;
    return {file, cls::handInText(h, cls::handInKey(c.fieldsOf(key)))};
}

TEST(ClassTest, ACodeCarriesItsFieldsAndAnyMistypedSymbolIsCaught)
{
    const cls::CodeFields f{sim::ChallengeKind::Glancing, 9999, 2047, 0xFEDCBA987654};
    const QString code = cls::formatCode(f);
    ASSERT_EQ(code.size(), 19);
    EXPECT_EQ(readCode(code), f);
    EXPECT_EQ(readCode(code.toLower().remove(QLatin1Char('-')) + QStringLiteral("  ")), f);   // as a student types it
    for (int i = 0; i < code.size(); ++i) {
        if (code[i] == QLatin1Char('-'))
            continue;
        for (const char* s = cls::kCodeSymbols; *s; ++s) {
            QString typo = code;
            typo[i] = QLatin1Char(*s);
            if (typo != code) {
                EXPECT_FALSE(readCode(typo)) << typo.toStdString();
            }
        }
        if (i + 1 < code.size() && code[i + 1] != QLatin1Char('-') && code[i] != code[i + 1]) {
            QString swapped = code;
            std::swap(swapped[i], swapped[i + 1]);
            EXPECT_FALSE(readCode(swapped)) << swapped.toStdString();
        }
    }
    for (const char* bad :
         {"", "ABCD-EFGH-JKLM-NPQ", "ABCD-EFGH-JKLM-NPQRS", "0BCD-EFGH-JKLM-NPQR", "IBCD-EFGH-JKLM-NPQR"})
        EXPECT_FALSE(readCode(QString::fromLatin1(bad))) << bad;
}

TEST(ClassTest, ARosterRefusesBlankLinesTwinsAndControlCharactersByLine)
{
    const struct {
        const char* text;
        const char* error;   // empty: read
        int count;
    } cases[] = {
        {"Jürgen\r\nZoë Çelik\n", "", 2},
        {"Anna\n\nBen\n", "line 2 is blank", 0},
        {"Anna\nBen\nanna\n", "line 3: \"anna\" twice", 0},
        {"Anna\nB\x01n\n", "line 2: not a name", 0},
        {"", "no names in the file", 0},
    };
    for (const auto& k : cases) {
        QStringList names;
        QString error;
        EXPECT_EQ(cls::readRoster(k.text, &names, &error), *k.error == '\0') << k.text;
        EXPECT_EQ(error.toStdString(), k.error);
        EXPECT_EQ(names.size(), k.count);
    }
}

TEST(ClassTest, AClassFileReadsBackWithItsSecretAndOwnSeeds)
{
    QStringList names;
    for (int i = 0; i < 300; ++i)
        names << QStringLiteral("Student %1").arg(i);
    const cls::ClassFile c = classOf(names);
    cls::ClassFile back;
    QString error;
    ASSERT_TRUE(cls::readClassFile(cls::classFileText(c), &back, &error)) << error.toStdString();
    EXPECT_EQ(back.secret, c.secret);
    std::set<int> seeds;
    for (size_t i = 0; i < c.students.size(); ++i) {
        seeds.insert(back.students[i].seed);
        EXPECT_EQ(back.codeOf(back.students[i]), c.codeOf(c.students[i]));
    }
    EXPECT_EQ(seeds.size(), 300u);
    EXPECT_NE(classOf({QStringLiteral("A")}).secret, classOf({QStringLiteral("A")}).secret);
    for (const char* bad : {"", "{}", "[1]", "{\"format\":\"slidora-class\",\"version\":1}"})
        EXPECT_FALSE(cls::readClassFile(bad, &back, &error)) << bad;
}

TEST(ClassTest, TheBoardWorksVerdictsOutAgainAndListsEveryBadFileApart)
{
    const cls::ClassFile c =
        classOf({QStringLiteral("Anna"), QStringLiteral("Ben"), QStringLiteral("Cem"), QStringLiteral("Dana")});
    const cls::Student &anna = c.students[0], &ben = c.students[1], &cem = c.students[2];
    const double right = sim::challengeAnswer(exper::challengeSet(c.kind, anna.seed));
    cls::ResultFile forged = handIn(c, ben, {1.0}, QStringLiteral("ben-edited"));
    forged.bytes.replace("\"value\": 1,", "\"value\": 2,");
    const cls::ClassFile other = classOf({QStringLiteral("Anna")});
    const std::vector<cls::ResultFile> files = {
        handIn(c, anna, {right * 2, right}, QStringLiteral("anna")),
        handIn(c, ben, {1000.0}, QStringLiteral("ben")),   // wrong, though the file says "within"
        handIn(c, ben, {1000.0}, QStringLiteral("ben-copy")),
        forged,
        handIn(c, cem, {right}, QStringLiteral("cem-as-anna"), &anna),
        handIn(other, other.students[0], {1.0}, QStringLiteral("other-class")),
        {QStringLiteral("truncated"), handIn(c, cem, {1.0}, QString()).bytes.left(40)},
        handIn(c, anna, {right}, QStringLiteral("anna-earlier"), nullptr, "2026-12-10T09:00:00Z"),
        handIn(c, {QStringLiteral("dANA "), c.students[3].seed}, {}, QStringLiteral("dana"), &c.students[3]),
    };
    const cls::ClassResults r = cls::gatherResults(c, files);
    ASSERT_EQ(r.rows.size(), 4u);
    EXPECT_TRUE(r.rows[0].right && r.rows[0].tries == 2 && r.rows[0].file == QLatin1String("anna"));
    EXPECT_TRUE(r.rows[1].handedIn && !r.rows[1].right);
    EXPECT_FALSE(r.rows[2].handedIn);
    EXPECT_TRUE(r.rows[3].handedIn);   // her name typed in other case: her code says who she is
    std::map<std::string, std::string> apart;
    for (const cls::RejectedFile& f : r.rejected)
        apart[f.file.toStdString()] = f.reason.toStdString();
    const std::map<std::string, std::string> expected = {
        {"ben-copy", "the same file as ben"},
        {"ben-edited", "its HMAC does not hold: changed after it was signed, or signed with another code"},
        {"cem-as-anna", "names Cem but is signed with another student's code"},
        {"other-class", "belongs to another class"},
        {"truncated", "not a Slidora result file"},
        {"anna-earlier", "an earlier hand-in of Anna"},
    };
    EXPECT_EQ(apart, expected);
}

}   // namespace

namespace {

// The projector's bars count each student's last revealed prediction once.
TEST(ClassTest, TheClassPredictionsAreEachStudentsLastRevealedOne)
{
    const cls::ClassFile c = classOf({"Anna", "Ben", "Cem"});
    std::vector<cls::ResultFile> files;
    const std::vector<std::vector<double>> predictedBlack = {{2.0, 3.5}, {}, {4.25}};
    for (size_t i = 0; i < c.students.size(); ++i) {
        cls::HandIn h;
        h.name = c.students[i].name;
        h.classId = cls::classIdOf(c.secret);
        h.kind = c.kind;
        h.seed = c.students[i].seed;
        for (double black : predictedBlack[i])
            h.predictions.push_back({{1.0, 180.0, black, 10.0}, {1.0, 180.0, 5.0, 0.0}});
        files.push_back({QString::number(i), cls::handInText(h, cls::handInKey(c.fieldsOf(c.students[i])))});
    }
    const cls::ClassResults r = cls::gatherResults(c, files);
    ASSERT_TRUE(r.rejected.empty());
    EXPECT_EQ(cls::classPredictions(r, sim::PredictedOf::BlackSpeed).values, (std::vector<double>{3.5, 4.25}));
    EXPECT_EQ(cls::classPredictions(r, sim::PredictedOf::BlackDirection).values, (std::vector<double>{10.0, 10.0}));
    EXPECT_EQ(r.rows[0].predictionErrors, (std::vector<double>{3.0, 1.5}));
}

}   // namespace
