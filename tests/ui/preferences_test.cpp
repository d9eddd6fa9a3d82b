// What the program remembers between starts: read back as written, a
// school's presets under the user's own, and any odd or damaged file read
// as the defaults.
#include "experiments/experiment_fixture.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <sys/stat.h>

#include "datawin/data_window.h"
#include "datawin/export_dialog.h"
#include "ui/preferences.h"
#include "view/name_dialog.h"

namespace {
QString userFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Slidora/Slidora.conf");
}

QString systemFile()
{
    return qEnvironmentVariable("XDG_CONFIG_DIRS") + QStringLiteral("/Slidora/Slidora.conf");
}

// Writes a settings file by hand. Each write gets a later time, so a
// settings object made after it reads it again even within a millisecond.
void writeFile(const QString& path, const QByteArray& bytes)
{
    static int later = 0;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(++later), QFileDevice::FileModificationTime);
}

struct Defaults {
    QString experiments, exports, name, language, format, content;
    int zoom;
    bool full;
};

Defaults readAll()
{
    return {prefs::folder(prefs::Folder::Experiments),
            prefs::folder(prefs::Folder::Exports),
            prefs::name(),
            prefs::language(),
            prefs::exportFormat(),
            prefs::exportContent(),
            prefs::zoom(),
            prefs::exportFullPrecision()};
}

void expectDefaults(const char* what)
{
    SCOPED_TRACE(what);
    const Defaults d = readAll();
    EXPECT_EQ(d.experiments, "");
    EXPECT_EQ(d.exports, "");
    EXPECT_EQ(d.name, "");
    EXPECT_EQ(d.language, "");
    EXPECT_EQ(d.zoom, 100);
    EXPECT_FALSE(d.full);
    EXPECT_EQ(rememberedExport().content, dw::ExportContent::Table);
    EXPECT_EQ(rememberedExport().format, formatForLocale());
}
}   // namespace

TEST(Preferences, WhatIsWrittenIsReadBack)
{
    QTemporaryDir dir;
    prefs::rememberFileIn(prefs::Folder::Experiments, dir.filePath(QStringLiteral("a.col")));
    prefs::setName(QStringLiteral("Frau Müller, 9b"));
    prefs::setZoom(150);
    prefs::setLanguage(QStringLiteral("de"));
    rememberExport({dw::ExportContent::Ledger, dw::SheetFormat::CsvSemicolon, true});
    const Defaults d = readAll();
    EXPECT_EQ(d.experiments, dir.path());
    EXPECT_EQ(d.exports, "");   // each folder apart
    EXPECT_EQ(d.name, "Frau Müller, 9b");
    EXPECT_EQ(d.zoom, 150);
    EXPECT_EQ(d.language, "de");
    EXPECT_EQ(rememberedExport().content, dw::ExportContent::Ledger);
    EXPECT_EQ(rememberedExport().format, dw::SheetFormat::CsvSemicolon);
    EXPECT_TRUE(rememberedExport().fullPrecision);
    // the values are in the file, for the next start
    EXPECT_TRUE(QFile(userFile()).exists());
}

TEST(Preferences, OddOrDamagedFilesGiveTheDefaults)
{
    expectDefaults("no file");
    const QByteArray odd[] = {
        "[General]\nzoom=175\nlanguage=fr\nname=\"a\\nb\"\nexport/format=xlsx\nexport/content=all\n",
        "[General]\nzoom=abc\nlanguage=english\nexport/full-precision=yes\n",
        "[General]\nzoom=99999999999999999999\nname=a, b\n",   // a list, not a name
        "[General]\nzoom=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\xff)\nname=@ByteArray(\\xff\\xfe)\n",
        "[folders]\nexperiments=relative/folder\nexports=/no/such/folder/anywhere\n",
        "[General]\nname=" + QByteArray(5000, 'x') + "\n",
        QByteArray("\x00\x01\xff\xfe[[[=\n=\n[General\nzoom", 24),
        QByteArray(100000, '\xff'),
    };
    int i = 0;
    for (const QByteArray& bytes : odd) {
        writeFile(userFile(), bytes);
        expectDefaults(QByteArray::number(i++).constData());
    }
    // a folder in the file's place: read as nothing, and writing does no harm
    QFile::remove(userFile());
    ASSERT_TRUE(QDir().mkpath(userFile()));
    expectDefaults("a folder");
    prefs::setZoom(200);
    EXPECT_TRUE(QFileInfo(userFile()).isDir());
    QDir(userFile()).removeRecursively();
    expectDefaults("the folder gone: what was kept for that session only goes too");
}

// Neither file may block or grow the start: a FIFO is not read, an
// oversized file is set aside, and without a home nothing goes to the root.
TEST(Preferences, SettingsThatNeverBlockOrGrow)
{
    for (const QString& path : {userFile(), systemFile()}) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::remove(path);
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        expectDefaults("a FIFO");
        prefs::setZoom(150);
        EXPECT_EQ(prefs::zoom(), 150);   // for this session, or in the user's file
        EXPECT_FALSE(QFileInfo(path).isFile());
        QFile::remove(path);
        QFile::remove(userFile());
    }
    writeFile(userFile(), "[General]\nname=" + QByteArray(1 << 20, 'x') + "\n");
    prefs::setName(QStringLiteral("Sam"));
    EXPECT_EQ(prefs::name(), "Sam");
    EXPECT_LT(QFileInfo(userFile()).size(), 1024);
    EXPECT_GT(QFileInfo(userFile() + QStringLiteral(".damaged")).size(), 1 << 20);
    QFile::remove(userFile() + QStringLiteral(".damaged"));
    QFile::remove(userFile());

    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    const bool rootHadOne = QFileInfo::exists(QStringLiteral("/.config/Slidora"));
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    prefs::setName(QStringLiteral("Nobody"));
    EXPECT_EQ(prefs::name(), "Nobody");   // for this session
    if (!rootHadOne) {
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/.config/Slidora")));
    }
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
    EXPECT_EQ(prefs::name(), "");
}

// Garbage is set aside whatever its size, never read and written back; a
// dangling link is left alone and its target never made.
TEST(Preferences, ADamagedFileIsSetAsideAndALinkNeverFollowedToNothing)
{
    const QByteArray damaged[] = {
        QByteArray("\x00\x01\xff\xfe[[[=\n=\n[General\nzoom", 24),
        "[General]\nname=Sam\n\xC0\xAF\n",
        "[General\nzoom=150\n",
        "just words\n",
    };
    for (const QByteArray& bytes : damaged) {
        writeFile(userFile(), bytes);
        prefs::setZoom(150);
        EXPECT_EQ(prefs::zoom(), 150);
        QFile kept(userFile() + QStringLiteral(".damaged"));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << bytes.toStdString();
        EXPECT_EQ(kept.readAll(), bytes);
        QFile fresh(userFile());
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly));
        EXPECT_EQ(fresh.readAll(), "[General]\nzoom=150\n");
        QFile::remove(kept.fileName());
    }
    QFile::remove(userFile());
    const QString target = QFileInfo(userFile()).absolutePath() + QStringLiteral("/elsewhere.conf");
    ASSERT_TRUE(QFile::link(target, userFile()));
    prefs::setName(QStringLiteral("Sam"));
    EXPECT_EQ(prefs::name(), "Sam");   // for this session
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(QFileInfo(userFile()).isSymLink());
    QFile::remove(userFile());
}

TEST(Preferences, ASchoolsPresetsGiveWayToTheUsersOwn)
{
    QTemporaryDir shared;
    writeFile(systemFile(),
              "[General]\nname=Physics lab\nzoom=150\nlanguage=de\n"
              "[export]\nformat=tsv\n[folders]\nexperiments="
                  + shared.path().toUtf8() + "\n");
    EXPECT_EQ(prefs::name(), "Physics lab");
    EXPECT_EQ(prefs::zoom(), 150);
    EXPECT_EQ(prefs::language(), "de");
    EXPECT_EQ(rememberedExport().format, dw::SheetFormat::Tsv);
    EXPECT_EQ(prefs::folder(prefs::Folder::Experiments), shared.path());
    prefs::setName(QStringLiteral("Sam"));
    prefs::setZoom(100);
    EXPECT_EQ(prefs::name(), "Sam");
    EXPECT_EQ(prefs::zoom(), 100);
    EXPECT_EQ(prefs::language(), "de");   // not set by the user: still the school's
    // the user's choices went to the user's file; the school's file is untouched
    EXPECT_TRUE(QFile(systemFile()).open(QIODevice::ReadOnly));
    QFile school(systemFile());
    ASSERT_TRUE(school.open(QIODevice::ReadOnly));
    EXPECT_FALSE(school.readAll().contains("Sam"));
    QFile::remove(systemFile());
}

TEST_F(ExperimentTest, LoadSaveAndExportOpenWhereTheLastFileWent)
{
    QDir(dir.path()).mkdir(QStringLiteral("saved"));
    QDir(dir.path()).mkdir(QStringLiteral("exported"));
    save(QStringLiteral("saved/a.col"), QStringLiteral("A"));
    EXPECT_EQ(platform.saveStartedIn.last(), "");   // nothing remembered yet
    c().Load1->trigger();
    box->loadSaveButton()->click();   // cancelled
    EXPECT_EQ(platform.openStartedIn.last(), path(QStringLiteral("saved")));

    DataWindow data(*window, platform);
    platform.onModal = [](QDialog& d) {
        auto* dialog = qobject_cast<ExportDialog*>(&d);
        dialog->samplesrb->setChecked(true);
        dialog->tsvrb->setChecked(true);
        return static_cast<int>(QDialog::Accepted);
    };
    platform.saveAnswers.push_back(path(QStringLiteral("exported/t.tsv")));
    data.exportData->trigger();
    EXPECT_EQ(platform.saveStartedIn.last(), "");   // exports keep a folder of their own

    // the next start: new windows offer the same folders and choice
    DataWindow next(*window, platform);
    bool offered = false;
    platform.onModal = [&](QDialog& d) {
        auto* dialog = qobject_cast<ExportDialog*>(&d);
        offered = dialog->samplesrb->isChecked() && dialog->tsvrb->isChecked();
        return static_cast<int>(QDialog::Rejected);
    };
    next.exportData->trigger();
    EXPECT_TRUE(offered);
    save(QStringLiteral("saved/b.col"), QStringLiteral("B"));
    EXPECT_EQ(platform.saveStartedIn.last(), path(QStringLiteral("saved")));
    // a remembered folder since removed opens the usual one
    QDir(path(QStringLiteral("saved"))).removeRecursively();
    c().Load1->trigger();
    box->loadSaveButton()->click();
    EXPECT_EQ(platform.openStartedIn.last(), "");
}
