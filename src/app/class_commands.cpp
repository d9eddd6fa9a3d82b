#include "app/class_commands.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QStringList>
#include <QTimer>
#include <cmath>

#include "app/class_slips.h"
#include "app/headless_job.h"
#include "engine/challenge.h"
#include "experiments/challenge_setup.h"
#include "experiments/class_collector.h"
#include "experiments/class_results.h"
#include "experiments/result_folder.h"
#include "ui/app_identity.h"
#include "ui/file_read.h"
#include "ui/language.h"

const char kClassUsage[] =
    "       slidora --new-class --name TEXT --students FILE [--challenge KIND] --output FILE.slidora-class\n"
    "       slidora --class-key CLASS [--output FILE]\n"
    "       slidora --class-slips CLASS --output FILE.pdf\n"
    "       slidora --hand-in --code CODE --name NAME [--answers A,B,...] [--revealed] --output FILE\n"
    "       slidora --class-results CLASS FOLDER [--format csv|csv-semicolon|tsv] [--output FILE]\n"
    "       slidora --collect CLASS FOLDER --port N [--bind ADDRESS] [--for SECONDS]\n";

namespace {

const char* const kCommands[] = {"--new-class", "--class-key",     "--class-slips",
                                 "--hand-in",   "--class-results", "--collect"};

// The options as given: each takes one value, the command's own up to two.
struct ClassLine {
    QString command;
    QStringList operands;
    QMap<QString, QString> options;
};

QString readClassLine(int argc, char** argv, ClassLine* line)
{
    const QStringList known = {"--name",    "--students", "--challenge", "--output", "--code",
                               "--answers", "--format",   "--port",      "--bind",   "--for"};
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (line->command.isEmpty()) {
            line->command = a;
        } else if (a == QLatin1String("--revealed")) {   // a flag: the student gave up
            if (line->options.contains(a))
                return QStringLiteral("%1 is given once").arg(a);
            line->options.insert(a, QStringLiteral("yes"));
        } else if (known.contains(a)) {
            if (i + 1 >= argc || line->options.contains(a))
                return QStringLiteral("%1 needs one value, given once").arg(a);
            line->options.insert(a, QString::fromLocal8Bit(argv[++i]));
        } else if (!a.startsWith(QLatin1Char('-'))) {
            line->operands << a;
        } else {
            return QStringLiteral("unknown option \"%1\" with %2 (see slidora --help)").arg(a, line->command);
        }
    }
    return {};
}

QString needOnly(const ClassLine& l, const QStringList& allowed, int operands)
{
    for (auto it = l.options.cbegin(); it != l.options.cend(); ++it)
        if (!allowed.contains(it.key()))
            return QStringLiteral("%1 does not go with %2").arg(it.key(), l.command);
    if (l.operands.size() > operands)
        return QStringLiteral("%1 does not take \"%2\"").arg(l.command, l.operands[operands]);
    if (l.operands.size() < operands)
        return QStringLiteral("%1 needs %2")
            .arg(l.command,
                 operands == 2 ? QStringLiteral("a class file and a folder") : QStringLiteral("a class file"));
    return {};
}

bool readClass(const QString& path, cls::ClassFile* c, QString* error)
{
    QByteArray bytes;
    if (!files::readRegularFile(path, cls::kClassFileLimit, &bytes, error))
        return false;
    if (!cls::readClassFile(bytes, c, error)) {
        *error = QStringLiteral("\"%1\": %2").arg(path, *error);
        return false;
    }
    return true;
}

int write(const QString& path, const std::string& text)
{
    Output out(path);
    QString error;
    if (!out.open(&error))
        return fail(error);
    out.put(text);
    return out.finish();
}

int newClass(const ClassLine& l)
{
    if (QString e = needOnly(l, {"--name", "--students", "--challenge", "--output"}, 0); !e.isEmpty())
        return fail(e);
    const QString name = l.options.value(QStringLiteral("--name")).trimmed();
    const QString output = l.options.value(QStringLiteral("--output"));
    if (name.isEmpty() || !l.options.contains(QStringLiteral("--students")) || output.isEmpty())
        return fail(QStringLiteral("--new-class needs --name, --students and --output"));
    const auto kind =
        sim::challengeKindNamed(l.options.value(QStringLiteral("--challenge"), QStringLiteral("mass")).toStdString());
    if (!kind)
        return fail(QStringLiteral("--challenge needs mass, restitution, speed or glancing"));
    QByteArray roster;
    QStringList names;
    QString error;
    const QString students = l.options.value(QStringLiteral("--students"));
    if (!files::readRegularFile(students, cls::kRosterLimit, &roster, &error))
        return fail(error);
    if (!cls::readRoster(roster, &names, &error))
        return fail(QStringLiteral("\"%1\": %2").arg(students, error));
    return write(output, cls::classFileText(cls::newClass(name, *kind, names)).toStdString());
}

int classKey(const ClassLine& l)
{
    if (QString e = needOnly(l, {"--output"}, 1); !e.isEmpty())
        return fail(e);
    cls::ClassFile c;
    QString error;
    if (!readClass(l.operands[0], &c, &error))
        return fail(error);
    return write(l.options.value(QStringLiteral("--output")), cls::classKey(c));
}

int classSlips(const ClassLine& l, int argc, char** argv)
{
    if (QString e = needOnly(l, {"--output"}, 1); !e.isEmpty())
        return fail(e);
    const QString output = l.options.value(QStringLiteral("--output"));
    if (output.isEmpty())
        return fail(QStringLiteral("--class-slips needs --output FILE.pdf"));
    cls::ClassFile c;
    QString error;
    if (!readClass(l.operands[0], &c, &error))
        return fail(error);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");   // fonts, no display
    QGuiApplication app(argc, argv);
    setAppIdentity();
    lang::install(lang::startLanguage());
    if (const QString e = writeClassSlips(output, c); !e.isEmpty())
        return fail(e);
    return 0;
}

int handIn(const ClassLine& l)
{
    if (QString e = needOnly(l, {"--code", "--name", "--answers", "--revealed", "--output"}, 0); !e.isEmpty())
        return fail(e);
    const auto code = cls::readCode(l.options.value(QStringLiteral("--code")));
    if (!code)
        return fail(QStringLiteral("--code: not a join code (mistyped?)"));
    cls::HandIn h;
    h.program = QStringLiteral(SLIDORA_VERSION);
    h.name = l.options.value(QStringLiteral("--name")).trimmed();
    if (!cls::plainStudentName(h.name))
        return fail(QStringLiteral("--name needs a name without control characters or a path"));
    if (l.options.value(QStringLiteral("--output")).isEmpty())
        return fail(QStringLiteral("--hand-in needs --output"));
    h.classId = code->classId;
    h.kind = code->kind;
    h.seed = code->seed;
    sim::Challenge challenge;
    challenge.start(exper::challengeSet(code->kind, code->seed));
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    const QString answers = l.options.value(QStringLiteral("--answers"));
    for (const QString& a : answers.isEmpty() ? QStringList() : answers.split(QLatin1Char(','))) {
        bool ok = false;
        const double v = a.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v) || h.answers.size() >= size_t(cls::kMaxAnswers))
            return fail(QStringLiteral("--answers needs numbers, not \"%1\"").arg(a));
        if (!challenge.triesLeft())
            break;   // the dialog takes no answer after the last try
        h.answers.push_back({v, now, QString::fromLatin1(cls::verdictText(challenge.check(v)))});
    }
    h.tries = challenge.tries;
    // revealed after it was found is not giving up, as in the window
    h.revealed = l.options.contains(QStringLiteral("--revealed")) && !challenge.solved;
    h.handedIn = now;
    return write(l.options.value(QStringLiteral("--output")), cls::handInText(h, cls::handInKey(*code)).toStdString());
}

int classResults(const ClassLine& l)
{
    if (QString e = needOnly(l, {"--format", "--output"}, 2); !e.isEmpty())
        return fail(e);
    const QString format = l.options.value(QStringLiteral("--format"), QStringLiteral("csv"));
    if (!QStringList{"csv", "csv-semicolon", "tsv"}.contains(format))
        return fail(QStringLiteral("--format needs csv, csv-semicolon or tsv, not \"%1\"").arg(format));
    cls::ClassFile c;
    QString error;
    if (!readClass(l.operands[0], &c, &error))
        return fail(error);
    cls::ClassResults results;
    if (!readResults(c, l.operands[1], &results, &error))
        return fail(error);
    return write(l.options.value(QStringLiteral("--output")), cls::resultsText(results, format.toStdString()));
}

// Reads --port, --bind and --for whole before anything listens.
QString readCollect(const ClassLine& l, quint16* port, QHostAddress* bind, int* seconds)
{
    bool ok = false;
    const int p = l.options.value(QStringLiteral("--port")).toInt(&ok);
    if (!ok || p < 1 || p > 65535)
        return QStringLiteral("--collect needs --port with a number from 1 to 65535");
    *port = quint16(p);
    *bind = QHostAddress(QHostAddress::Any);
    if (l.options.contains(QStringLiteral("--bind")) && !bind->setAddress(l.options.value(QStringLiteral("--bind"))))
        return QStringLiteral("--bind needs an address such as 127.0.0.1, not \"%1\"").arg(l.options.value("--bind"));
    *seconds = 0;
    if (l.options.contains(QStringLiteral("--for"))) {
        *seconds = l.options.value(QStringLiteral("--for")).toInt(&ok);
        if (!ok || *seconds < 1 || *seconds > 24 * 3600)
            return QStringLiteral("--for needs a number of seconds from 1 to 86400");
    }
    return {};
}

int collect(const ClassLine& l, int argc, char** argv)
{
    if (QString e = needOnly(l, {"--port", "--bind", "--for"}, 2); !e.isEmpty())
        return fail(e);
    quint16 port = 0;
    QHostAddress bind;
    int seconds = 0;
    if (const QString e = readCollect(l, &port, &bind, &seconds); !e.isEmpty())
        return fail(e);
    cls::ClassFile c;
    QString error;
    if (!readClass(l.operands[0], &c, &error))
        return fail(error);
    QCoreApplication app(argc, argv);
    cls::Collector collector(c, l.operands[1]);
    if (!collector.start(bind, port, &error))
        return fail(error);
    std::printf("Collecting hand-ins of %s into %s at %s\n", c.name.toLocal8Bit().constData(),
                l.operands[1].toLocal8Bit().constData(), collector.addresses().join(' ').toLocal8Bit().constData());
    std::fflush(stdout);
    QObject::connect(&collector, &cls::Collector::received, [](const QString& line) {
        std::printf("%s\n", line.toLocal8Bit().constData());
        std::fflush(stdout);
    });
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    std::printf("Stopped; hand-ins stored: %d\n", collector.stored());
    return 0;
}

}   // namespace

bool isClassCommand(int argc, char** argv)
{
    if (argc < 2)
        return false;
    for (const char* c : kCommands)
        if (QString::fromLocal8Bit(argv[1]) == QLatin1String(c))
            return true;
    return false;
}

int runClassCommand(int argc, char** argv)
{
    ClassLine l;
    if (const QString error = readClassLine(argc, argv, &l); !error.isEmpty())
        return fail(error);
    if (l.command == QLatin1String("--new-class"))
        return newClass(l);
    if (l.command == QLatin1String("--class-key"))
        return classKey(l);
    if (l.command == QLatin1String("--hand-in"))
        return handIn(l);
    if (l.command == QLatin1String("--class-slips"))
        return classSlips(l, argc, argv);
    if (l.command == QLatin1String("--collect"))
        return collect(l, argc, argv);
    return classResults(l);
}
