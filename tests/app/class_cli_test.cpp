// The class's commands end to end: a class from a names file, the key, hand-ins and the board.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The command's standard output and exit status.
std::pair<QString, int> run(const QString& args)
{
    const std::string command = std::string("'") + SLIDORA_BINARY + "' " + args.toStdString() + " 2>&1";
    FILE* p = popen(command.c_str(), "r");
    QByteArray out;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, static_cast<qsizetype>(n));
    const int status = pclose(p);
    return {QString::fromUtf8(out), WEXITSTATUS(status)};
}

TEST(ClassCommandsTest, AClassHandsInAndTheBoardShowsWhoIsRight)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    QFile names(d + "/names.txt");
    ASSERT_TRUE(names.open(QIODevice::WriteOnly));
    names.write("Jürgen Müller\nZoë Çelik\nLi Wei\n");
    names.close();
    const QString cls = d + "/c.slidora-class";
    ASSERT_EQ(run("--new-class --name '7b' --students '" + d + "/names.txt' --output '" + cls + "'").second, 0);
    const QStringList key = run("--class-key '" + cls + "'").first.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(key.size(), 4) << key.join('\n').toStdString();
    QDir(d).mkdir("in");
    for (int i = 1; i <= 3; ++i) {
        const QStringList f = key[i].split(',');   // "name",code,kind,seed,...,answer
        const QString answer = i == 1 ? f.last() : "1000";
        const auto [out, status] = run("--hand-in --code " + f[1] + " --name " + f[0] + " --answers " + answer
                                       + " --output '" + d + "/in/" + QString::number(i) + ".slidora-result'");
        EXPECT_EQ(status, 0) << out.toStdString();
    }
    QString mistyped = key[1].split(',')[1];
    mistyped[0] = mistyped[0] == 'A' ? 'B' : 'A';
    EXPECT_EQ(run("--hand-in --code " + mistyped + " --name x --output '" + d + "/x'").first,
              "slidora: --code: not a join code (mistyped?)\n");
    const auto [board, status] = run("--class-results '" + cls + "' '" + d + "/in' --format tsv");
    EXPECT_EQ(status, 0);
    const QStringList rows = board.split('\n');
    EXPECT_TRUE(rows[1].startsWith("Jürgen Müller\tyes\t")) << board.toStdString();
    EXPECT_EQ(rows[1].split('\t')[3], "yes");
    EXPECT_EQ(rows[2].split('\t')[3], "no");
    EXPECT_EQ(run("--class-results '" + cls + "'").first, "slidora: --class-results needs a class file and a folder\n");
}

}   // namespace
