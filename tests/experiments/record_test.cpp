// Experiment records in their two text forms, the file's 8-bit text, and
// the catalogue's data, without a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "experiments/catalogue.h"
#include "experiments/experiment_record.h"
#include "experiments/text_encoding.h"

using namespace exper;
using F = ExperimentRecord::Field;

namespace {
ExperimentRecord sample()
{
    ExperimentRecord r;
    for (size_t i = 0; i < r.f.size(); ++i)
        r.f[i] = static_cast<int32_t>(i * 7) - 30;
    return r;
}
const char kData[] = "START EXPERIMENT DATA\r\n189 183 287 204\r\n379 183 329 204\r\n0 10 50 50\r\n100 20 50\r\n"
                     "100 20 0\r\n1 3 0 2\r\n2\r\n0 20 122 4\r\n";
}   // namespace

TEST(ExperimentFile, WritesTheLayoutAndReadsItBack)
{
    const ExperimentRecord r = sample();
    const std::string bytes = writeExperimentFile({"Title", "", "second line"}, r);
    EXPECT_EQ(bytes.rfind("Title\r\n\r\nsecond line\r\nSTART EXPERIMENT DATA\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\r\n-30 -23 -16 -9\r\n-2 5 12 19\r\n26 33 40 47\r\n54 61 68\r\n75 82 89\r\n"
                         "96 103 110 117\r\n124\r\n131 138 145 152\r\n"),
              std::string::npos);
    EXPECT_EQ(bytes.back(), '\n');
    const ExperimentFile f = parseExperimentFile(bytes);
    ASSERT_TRUE(f.record);
    EXPECT_EQ(*f.record, r);
    EXPECT_EQ(f.lines, (std::vector<std::string>{"Title", "", "second line"}));
    // an empty explanation is one empty line
    const ExperimentFile empty = parseExperimentFile(writeExperimentFile({}, r));
    EXPECT_EQ(empty.lines, std::vector<std::string>{""});
    EXPECT_EQ(writeExperimentFile({}, r).substr(0, 2), "\r\n");
}

TEST(ExperimentFile, LineEndsExtraNumbersAndMissingNumbers)
{
    std::string lf = std::string("Billiard\n") + kData;
    for (size_t p; (p = lf.find("\r\n")) != std::string::npos;)
        lf.replace(p, 2, "\n");
    std::string cr = lf;
    for (char& ch : cr)
        if (ch == '\n')
            ch = '\r';
    const ExperimentFile a = parseExperimentFile(std::string("Billiard\r\n") + kData);
    ASSERT_TRUE(a.record);
    for (const std::string& other : {lf, cr}) {
        const ExperimentFile b = parseExperimentFile(other);
        ASSERT_TRUE(b.record);
        EXPECT_EQ(*b.record, *a.record);
        EXPECT_EQ(b.lines, std::vector<std::string>{"Billiard"});
    }
    EXPECT_EQ((*a.record)[F::ViewFlags], 122);
    EXPECT_EQ((*a.record)[F::FrequencyIndex], 4);

    // extra numbers at the ends of data lines are skipped, tabs separate too
    const ExperimentFile extra = parseExperimentFile(
        "t\nSTART EXPERIMENT DATA\n189 183 287 204 999 998\n379\t183 329 204 7\n0 10 50 50 1\n100 20 50 1 1\n"
        "100 20 0 x\n1 3 0 2 5\n2 3 4\n0 20 122 4 77\n");
    ASSERT_TRUE(extra.record);
    EXPECT_EQ(*extra.record, *a.record);

    // cut after field 20: the rest read as 0
    const ExperimentFile cut = parseExperimentFile(
        "t\r\nSTART EXPERIMENT DATA\r\n1 2 3 4\r\n5 6 7 8\r\n9 10 11 12\r\n13 14 15\r\n16 17 18\r\n19 20");
    ASSERT_TRUE(cut.record);
    EXPECT_EQ((*cut.record)[F::SpringKind], 20);
    for (F field :
         {F::ElectroRange, F::MassCount, F::Interaction, F::CircleSize, F::Scale, F::ViewFlags, F::FrequencyIndex})
        EXPECT_EQ((*cut.record)[field], 0);
    // nothing after the marker at all
    const ExperimentFile bare = parseExperimentFile("t\nSTART EXPERIMENT DATA\n");
    ASSERT_TRUE(bare.record);
    EXPECT_EQ(*bare.record, ExperimentRecord{});
}

TEST(ExperimentFile, BadNumbersAndAMissingMarkerAreErrorsThatNameTheLine)
{
    const ExperimentFile bad = parseExperimentFile("A\r\nB\r\nSTART EXPERIMENT DATA\r\n1 2 3 4\r\n5 6 7.5 8\r\n");
    EXPECT_FALSE(bad.record);
    ASSERT_TRUE(bad.error);
    EXPECT_EQ(bad.error->line, 5);
    EXPECT_EQ(bad.error->message, "Invalid numeric input");
    EXPECT_EQ(bad.lines, (std::vector<std::string>{"A", "B"}));
    for (const char* token : {"12a", "-", "0x10", "99999999999", "1,5", "\xe9"}) {
        const ExperimentFile f = parseExperimentFile(std::string("START EXPERIMENT DATA\n1 2 ") + token + " 4\n");
        EXPECT_FALSE(f.record) << token;
        ASSERT_TRUE(f.error) << token;
        EXPECT_EQ(f.error->line, 2);
    }
    const ExperimentFile none = parseExperimentFile("just\r\ntext\r\n1 2 3\r\n");
    EXPECT_FALSE(none.record);
    ASSERT_TRUE(none.error);
    EXPECT_EQ(none.lines.size(), 3u);
    // the marker must be the whole line, same case
    EXPECT_FALSE(parseExperimentFile("start experiment data\n1\n").record);
    EXPECT_FALSE(parseExperimentFile(" START EXPERIMENT DATA\n1\n").record);
    // the first marker ends the text; the record follows it
    const ExperimentFile twice = parseExperimentFile(std::string("x\r\n") + kData + kData);
    ASSERT_TRUE(twice.record);
    EXPECT_EQ(twice.lines, std::vector<std::string>{"x"});
    EXPECT_FALSE(parseExperimentFile("").record);
}

TEST(ParameterText, ExactlyTwentySevenIntegersWithSingleSpaces)
{
    const ExperimentRecord r = sample();
    const ParameterParse p = parseParameterText(parameterText(r));
    ASSERT_TRUE(p.record);
    EXPECT_EQ(*p.record, r);
    const std::string good = parameterText(r);
    for (const std::string& bad :
         {good + " 1", good.substr(0, good.rfind(' ')), good + " ", " " + good, std::string(" "), std::string(""),
          good.substr(0, 3) + " " + good.substr(3), good + "x"}) {
        const ParameterParse q = parseParameterText(bad);
        EXPECT_FALSE(q.record) << bad;
        EXPECT_FALSE(q.error.empty());
    }
    EXPECT_EQ(parseDecimal("-100"), -100);
    EXPECT_EQ(parseDecimal("2147483647"), 2147483647);
    EXPECT_EQ(parseDecimal("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(parseDecimal("2147483648"));
    EXPECT_FALSE(parseDecimal(""));
}

TEST(FileText, OldEightBitFilesAndCharactersBeyondThem)
{
    // Windows-1252 from older files: é, the euro sign, curly quotes
    const std::vector<std::string> old = {"caf\xe9 \x80 \x93 \x84ok\x93"};
    const std::vector<std::string> read = decodeLines(old);
    EXPECT_EQ(read[0], "caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9c \xe2\x80\x9eok\xe2\x80\x9c");
    // written back as the same 8 bits
    EXPECT_EQ(encodeLines(read), old);
    // text the code page lacks is written as UTF-8 and read back whole
    const std::vector<std::string> greek = {"\xce\xa9 = 2 kg", "caf\xc3\xa9"};
    EXPECT_EQ(encodeLines(greek), greek);
    EXPECT_EQ(decodeLines(encodeLines(greek)), greek);
    // 8-bit text that happens to be valid UTF-8 is kept apart
    const std::vector<std::string> tricky = {"\xc3\x83\xc2\xa9"};   // "Ã©"
    EXPECT_EQ(decodeLines(encodeLines(tricky)), tricky);
    EXPECT_EQ(decodeLines({"plain"}), std::vector<std::string>{"plain"});
    EXPECT_FALSE(isValidUtf8("\xc3"));
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));   // a surrogate
    EXPECT_TRUE(isValidUtf8("\xf0\x9f\x99\x82"));
}

TEST(Catalogue, SeventeenExperimentsAndFiveInformationTextsInMenuOrder)
{
    int count = 0;
    const CatalogueEntry* all = catalogueEntries(&count);
    ASSERT_EQ(count, 22);
    int experiments = 0;
    for (int i = 0; i < count; ++i) {
        const CatalogueEntry& e = all[i];
        ASSERT_GT(e.lineCount, 0);
        if (e.number == 0) {
            EXPECT_EQ(e.parameterText(), " ");
            EXPECT_STREQ(e.caption, "Information");
            continue;
        }
        ++experiments;
        EXPECT_EQ(e.number, experiments);   // numbered in menu order
        const ParameterParse p = parseParameterText(e.parameterText());
        ASSERT_TRUE(p.record) << e.name << ": " << p.error;
        EXPECT_EQ(catalogueExperiment(e.number), &e);
    }
    EXPECT_EQ(experiments, 17);
    EXPECT_EQ(catalogueExperiment(0), nullptr);
    EXPECT_EQ(catalogueExperiment(18), nullptr);
}
