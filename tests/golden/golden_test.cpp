// Whole runs against the logs kept in tests/data/golden (scripts/golden
// writes them): every catalogue entry and one set-up per mode, each tick to
// 400 and every 100th to 9998, number for number.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
const fs::path kData = SLIDORA_GOLDEN_DIR;

std::vector<std::string> goldenNames()
{
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(kData))
        if (e.path().extension() == ".csv")
            names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> split(const std::string& line, char sep)
{
    std::vector<std::string> out;
    std::stringstream in(line);
    for (std::string cell; std::getline(in, cell, sep);)
        out.push_back(cell);
    return out;
}

// The run's rows by tick, as the export writes them.
std::map<int, std::string> runNow(const std::string& name, std::string* header)
{
    std::string setUp = name.rfind("Catalogue", 0) == 0 ? "--catalogue " + std::to_string(std::stoi(name.substr(9)))
                                                        : "--experiment '" + (kData / (name + ".col")).string() + "'";
    const std::string command = std::string("'") + SLIDORA_BINARY + "' --export-trace " + setUp;
    std::map<int, std::string> rows;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return rows;
    std::string line;
    char buf[4096];
    bool first = true;
    while (std::fgets(buf, sizeof buf, pipe)) {
        line += buf;
        if (line.empty() || line.back() != '\n')
            continue;
        line.pop_back();
        if (first)
            *header = line;
        else
            rows[std::stoi(line)] = line;
        first = false;
        line.clear();
    }
    pclose(pipe);
    return rows;
}
}   // namespace

class GoldenRun : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenRun, EveryKeptTickMatches)
{
    const std::string name = GetParam();
    std::ifstream kept(kData / (name + ".csv"));
    std::string header, nowHeader;
    ASSERT_TRUE(std::getline(kept, header)) << name;
    const std::map<int, std::string> now = runNow(name, &nowHeader);
    ASSERT_EQ(nowHeader, header) << name;
    const std::vector<std::string> columns = split(header, ',');
    int compared = 0;
    for (std::string line; std::getline(kept, line); ++compared) {
        const std::vector<std::string> want = split(line, ',');
        const int tick = std::stoi(want[0]);
        const auto it = now.find(tick);
        ASSERT_NE(it, now.end()) << name << ": tick " << tick << " missing";
        const std::vector<std::string> got = split(it->second, ',');
        ASSERT_EQ(got.size(), want.size()) << name << ": tick " << tick;
        for (size_t c = 1; c < want.size(); ++c)
            if (got[c] != want[c])
                FAIL() << name << ": tick " << tick << " " << columns[c] << " " << got[c] << ", expected " << want[c];
    }
    EXPECT_EQ(compared, 400 + 95 + 1) << name;   // 1..400, 500..9900, 9998
}

INSTANTIATE_TEST_SUITE_P(Runs, GoldenRun, ::testing::ValuesIn(goldenNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string n = info.param;
                             std::replace(n.begin(), n.end(), '-', '_');
                             return n;
                         });

// The teacher's key for seeds 1 to 40 of each kind, as kept: a seed must give
// the same set-up on every machine and in every version.
TEST(GoldenChallengeKey, EveryKindMatchesItsKeptKey)
{
    for (const char* kind : {"mass", "restitution", "speed", "glancing"}) {
        std::ifstream kept(kData.parent_path() / "challenge-keys" / (std::string(kind) + ".csv"));
        const std::string want((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(want.empty()) << kind;
        const std::string command = std::string("'") + SLIDORA_BINARY + "' --challenge-key " + kind + " --seeds 1-40";
        std::string got;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buf[4096];
            for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
                got.append(buf, n);
            pclose(pipe);
        }
        EXPECT_EQ(got, want) << kind;
    }
}
