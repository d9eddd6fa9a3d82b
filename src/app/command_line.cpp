#include "app/command_line.h"

#include <QFileInfo>
#include <QStringList>

#include "engine/challenge.h"

const char kUsage[] =
    "Usage: slidora [FILE.col]\n"
    "       slidora --help | --version\n"
    "       slidora --export-trace [--experiment FILE | --catalogue K] [--ticks N] [--speed S] [--frame lab|cm]\n"
    "                              [--output FILE]\n"
    "       slidora --export-data [--experiment FILE | --catalogue K] [--ticks N] [--speed S] [--frequency HZ]\n"
    "                             [--frame lab|cm] [--columns all | NAME,NAME...] [--radians] [--every-sample]\n"
    "                             [--ledger]\n"
    "                             [--format csv|csv-semicolon|tsv] [--full-precision] [--output FILE]\n"
    "       slidora --export-data --ledger [--experiment FILE | --catalogue K] --compare FILE [--compare FILE] ...\n"
    "       slidora --export-image [--experiment FILE | --catalogue K] [--ticks N] [--zoom 1|2|3|4] [--frame lab|cm]\n"
    "                              --output FILE.png|FILE.svg\n"
    "       slidora --export-animation [--experiment FILE | --catalogue K] [--ticks N] [--every K]\n"
    "                                  [--zoom 1|2|3|4] --output FILE.gif\n"
    "       slidora --lab-sheet [--experiment FILE | --catalogue K] [--ticks N] --output FILE.pdf\n"
    "       slidora --challenge KIND --seed N\n"
    "       slidora --challenge-key KIND --seeds FROM-TO [--output FILE]\n"
    "       slidora --lesson FILE\n"
    "       slidora --investigate [--experiment FILE | --catalogue K] --vary NAME=FROM:TO:STEP\n"
    "                             --measure NAME[,NAME...] [--ticks N] [--speed S]\n"
    "                             [--format csv|csv-semicolon|tsv] [--full-precision] [--output FILE]\n"
    "\n"
    "Without options Slidora opens its table window; with an experiment file\n"
    "it opens the file in the Experiment box, ready to be confirmed with Yes.\n"
    "\n"
    "  --export-trace     run an experiment without a window and write its log as CSV:\n"
    "                     tick, the pucks' centres, speeds and directions, and the\n"
    "                     spring's compression, one row per tick\n"
    "  --export-data      run an experiment without a window and write what the data\n"
    "                     window shows after the run, its time bar at the end: the\n"
    "                     data table, every sample, or the Before-and-After page\n"
    "  --export-image     run an experiment without a display and write the table\n"
    "                     picture at the run's end: PNG as the window holds it, or SVG\n"
    "  --export-animation run an experiment without a display and write it as an\n"
    "                     animated GIF: a frame every K ticks, in real time, looping\n"
    "  --lab-sheet        run an experiment without a display and write its one-page\n"
    "                     lab sheet as PDF: name, date, trace, Before-and-After, graph\n"
    "  --every K          with --export-animation: ticks between frames, 1 to 9998\n"
    "                     (by default every tick of a short run, a long one in about\n"
    "                     400 frames)\n"
    "  --zoom Z           with --export-image or --export-animation: each pixel a Z x Z\n"
    "                     block, 1 to 4\n"
    "  --experiment FILE  the set-up of an experiment file (.col)\n"
    "  --catalogue K      the set-up of built-in experiment K, 1 to 17 in menu order\n"
    "  --ticks N          ticks to run, 1 to 9998 (default 9998)\n"
    "  --speed S          computer speed: slow, medium or fast (default fast)\n"
    "  --frequency HZ     the data table's frequency: 20, 10, 5, 4, 2 or 1 (default 20)\n"
    "  --frame lab|cm     with --export-trace, --export-data, --export-image: the run as\n"
    "                     the table sees it (lab, the default) or as seen from the\n"
    "                     centre of mass (cm; two pucks off the circle)\n"
    "  --columns LIST     all, or names from rspeed, rangle, renergy, rmom, bspeed,\n"
    "                     bangle, benergy, bmom, compression (default: rspeed,bspeed);\n"
    "                     by name only: springenergy, fieldenergy, totalenergy, rforce,\n"
    "                     bforce, rforcex, rforcey, bforcex, bforcey (newtons)\n"
    "  --radians          angles in radians instead of degrees\n"
    "  --every-sample     every sample instead of the table's frequency\n"
    "  --ledger           the Before-and-After page, \"after\" at the time bar's end\n"
    "  --compare FILE     with --ledger: another experiment file run the same way, its\n"
    "                     ledger beside the first (Run A, B, C; at most two)\n"
    "  --format F         csv (comma, point decimal), csv-semicolon (semicolon, comma\n"
    "                     decimal) or tsv (TAB; as shown, exactly \"Copy All Data\")\n"
    "  --full-precision   every number exactly: the shortest text that reads back the same\n"
    "  --investigate      sweep one setting of the set-up across a range, run every point\n"
    "                     without a window and write one row per point: the setting,\n"
    "                     then each measure after the run (as the Before-and-After page)\n"
    "  --vary NAME=FROM:TO:STEP  the setting, each value taken to its control's step\n"
    "                     (at most 200 points): mass1, mass2 (kg), speed1, speed2\n"
    "                     (cm/s), direction1, direction2 (degrees), offset (cm, the\n"
    "                     black puck across the red one's path), percent, angle (the\n"
    "                     table angle, or the push in N), spring-k, spring-length (cm),\n"
    "                     charge1, charge2, range (20, 50, 100 or 1000)\n"
    "  --measure LIST     from speed1, speed2, direction1, direction2, px1, py1, px2,\n"
    "                     py2, momentum, energy-kept, restitution, angle-between,\n"
    "                     contact-time, compression, closest,\n"
    "                     vx1, vy1, vx2, vy2 (the velocity's signed components)\n"
    "  --challenge KIND   open the window on a challenge: mass, restitution, speed or\n"
    "                     glancing, its unknown hidden until it is found or revealed\n"
    "  --seed N           the challenge's seed, 1 to 9999: each gives its own set-up\n"
    "  --challenge-key KIND  write the teacher's key as CSV: per seed the set-up and\n"
    "                     the answer\n"
    "  --seeds FROM-TO    the key's seeds, 1 to 9999 (or one seed alone)\n"
    "  --lesson FILE      open the window on a lesson file (see the guide); without it\n"
    "                     the whole program is there again\n"
    "  --output FILE      where it goes (default: standard output)\n"
    "  --help             this text\n"
    "  --version          the program's version\n";

namespace {

bool isOneOf(const QString& v, std::initializer_list<const char*> words)
{
    for (const char* w : words)
        if (v == QLatin1String(w))
            return true;
    return false;
}

// An option's value: the next argument.
struct Reader {
    int argc;
    char** argv;
    int i = 1;
    bool value(QString* v)
    {
        if (i + 1 >= argc)
            return false;
        *v = QString::fromLocal8Bit(argv[++i]);
        return true;
    }
};

QString readNumber(Reader& r, const char* option, int lo, int hi, int* out)
{
    QString v;
    bool ok = false;
    if (!r.value(&v) || (*out = v.toInt(&ok), !ok) || *out < lo || *out > hi)
        return QStringLiteral("%1 needs a number from %2 to %3, not \"%4\"")
            .arg(QLatin1String(option))
            .arg(lo)
            .arg(hi)
            .arg(v);
    return {};
}

QString readKind(Reader& r, const char* option, QString* kind)
{
    if (!r.value(kind) || !sim::challengeKindNamed(kind->toStdString()))
        return QStringLiteral("%1 needs mass, restitution, speed or glancing, not \"%2\"")
            .arg(QLatin1String(option), *kind);
    return {};
}

// The challenges' and the lesson's options; an empty string when it was read.
QString readLessonOption(Reader& r, const QString& a, CommandLine* line, bool* known)
{
    *known = true;
    if (a == QLatin1String("--challenge"))
        return readKind(r, "--challenge", &line->challenge);
    if (a == QLatin1String("--challenge-key")) {
        line->challengeKey = true;
        return readKind(r, "--challenge-key", &line->challenge);
    }
    if (a == QLatin1String("--seed"))
        return readNumber(r, "--seed", sim::kFirstSeed, sim::kLastSeed, &line->seed);
    if (a == QLatin1String("--seeds")) {
        QString v;
        const QStringList ends = r.value(&v) ? v.split(QLatin1Char('-')) : QStringList();
        bool ok1 = false, ok2 = false;
        if (ends.size() == 2)
            line->seedFrom = ends[0].toInt(&ok1), line->seedTo = ends[1].toInt(&ok2);
        else if (ends.size() == 1)   // one seed alone
            line->seedFrom = line->seedTo = ends[0].toInt(&ok1), ok2 = ok1;
        if (!ok1 || !ok2 || line->seedFrom < sim::kFirstSeed || line->seedTo > sim::kLastSeed
            || line->seedFrom > line->seedTo)
            return QStringLiteral("--seeds needs FROM-TO or one seed, numbers from 1 to 9999 in order, not \"%1\"")
                .arg(v);
        return {};
    }
    if (a == QLatin1String("--lesson")) {
        if (!r.value(&line->lesson) || line->lesson.isEmpty())
            return QStringLiteral("--lesson needs a file name");
        return {};
    }
    *known = false;
    return {};
}

// What the challenges and the lesson do not go with.
QString checkLesson(const CommandLine& line, bool exporting, bool anyExportOption)
{
    const bool challenge = !line.challenge.isEmpty() && !line.challengeKey;
    if (challenge && (exporting || anyExportOption))
        return QStringLiteral("--challenge cannot go with an export: its unknown stays hidden");
    if (challenge && line.seed == 0)
        return QStringLiteral("--challenge needs --seed");
    if (!challenge && line.seed != 0)
        return QStringLiteral("--seed belongs to --challenge");
    if (line.challengeKey && line.seedFrom == 0)
        return QStringLiteral("--challenge-key needs --seeds");
    if (!line.challengeKey && line.seedFrom != 0)
        return QStringLiteral("--seeds belongs to --challenge-key");
    if (line.challengeKey && exporting)
        return QStringLiteral("--challenge-key cannot go with an export");
    if (!line.lesson.isEmpty() && (exporting || line.challengeKey || anyExportOption || !line.challenge.isEmpty()))
        return QStringLiteral("--lesson goes alone: the lesson file names what it opens");
    if ((challenge || !line.lesson.isEmpty()) && !line.fileToOpen.isEmpty())
        return QStringLiteral("unknown argument \"%1\" (a challenge or a lesson opens its own set-up)")
            .arg(line.fileToOpen);
    return {};
}

// One option of the exports; an empty string when it was read.
QString readExportOption(Reader& r, const QString& a, CommandLine* line, bool* known)
{
    *known = true;
    QString v;
    if (a == QLatin1String("--experiment")) {
        if (!r.value(&line->experiment) || line->experiment.isEmpty())
            return QStringLiteral("--experiment needs a file name");
    } else if (a == QLatin1String("--catalogue")) {
        return readNumber(r, "--catalogue", 1, 17, &line->catalogue);
    } else if (a == QLatin1String("--ticks")) {
        return readNumber(r, "--ticks", 1, 9998, &line->ticks);
    } else if (a == QLatin1String("--speed")) {
        if (!r.value(&v) || !isOneOf(v, {"slow", "medium", "fast"}))
            return QStringLiteral("--speed needs slow, medium or fast, not \"%1\"").arg(v);
        line->intervalMs = v == QLatin1String("slow") ? 50 : v == QLatin1String("medium") ? 25 : 10;
    } else if (a == QLatin1String("--output")) {
        if (!r.value(&line->output) || line->output.isEmpty())
            return QStringLiteral("--output needs a file name");
    } else if (a == QLatin1String("--frequency")) {
        const QStringList hz = {"20", "10", "5", "4", "2", "1"};
        if (!r.value(&v) || !hz.contains(v))
            return QStringLiteral("--frequency needs 20, 10, 5, 4, 2 or 1, not \"%1\"").arg(v);
        line->frequencyIndex = static_cast<int>(hz.indexOf(v));
    } else if (a == QLatin1String("--frame")) {
        if (!r.value(&v) || !isOneOf(v, {"lab", "cm"}))
            return QStringLiteral("--frame needs lab or cm, not \"%1\"").arg(v);
        line->cmFrame = v == QLatin1String("cm");
        line->frameGiven = true;
    } else if (a == QLatin1String("--columns")) {
        if (!r.value(&line->columns) || line->columns.isEmpty())
            return QStringLiteral("--columns needs all or column names");
    } else if (a == QLatin1String("--format")) {
        if (!r.value(&line->format) || !isOneOf(line->format, {"csv", "csv-semicolon", "tsv"}))
            return QStringLiteral("--format needs csv, csv-semicolon or tsv, not \"%1\"").arg(line->format);
    } else if (a == QLatin1String("--radians")) {
        line->radians = true;
    } else if (a == QLatin1String("--every-sample")) {
        line->everySample = true;
    } else if (a == QLatin1String("--ledger")) {
        line->ledger = true;
    } else if (a == QLatin1String("--compare")) {
        if (!r.value(&v) || v.isEmpty())
            return QStringLiteral("--compare needs a file name");
        line->compare << v;
    } else if (a == QLatin1String("--vary")) {
        if (!r.value(&line->vary) || line->vary.isEmpty())
            return QStringLiteral("--vary needs NAME=FROM:TO:STEP");
    } else if (a == QLatin1String("--measure")) {
        if (!r.value(&line->measures) || line->measures.isEmpty())
            return QStringLiteral("--measure needs one or more names");
    } else if (a == QLatin1String("--full-precision")) {
        line->fullPrecision = true;
    } else {
        *known = false;
    }
    return {};
}

// What does not go together, once everything is read.
QString checkCombination(const CommandLine& line, bool dataOptions, bool tableOptions, bool anyExportOption)
{
    const bool pictures = line.exportImage || line.exportAnimation || line.labSheet;
    const bool exporting = line.exportTrace || line.exportData || line.investigate || pictures;
    if (pictures) {
        const QString suffix = QFileInfo(line.output).suffix().toLower();
        if (line.exportImage && suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
            return QStringLiteral("--export-image needs --output FILE.png or FILE.svg");
        if (line.exportAnimation && suffix != QLatin1String("gif"))
            return QStringLiteral("--export-animation needs --output FILE.gif");
        if (line.labSheet && suffix != QLatin1String("pdf"))
            return QStringLiteral("--lab-sheet needs --output FILE.pdf");
        if (dataOptions)
            return QStringLiteral("pictures take --experiment, --catalogue, --ticks, --speed, --zoom, --every and "
                                  "--output");
    }
    if (line.challengeKey && !exporting) {   // it writes a file: only --output of the exports' options
        const bool outputOnly = line.experiment.isEmpty() && line.catalogue == 0 && line.ticks == 9998
            && line.intervalMs == 10 && !dataOptions && !tableOptions;
        if (!outputOnly)
            return QStringLiteral("--challenge-key takes only --seeds and --output");
        anyExportOption = false;
    }
    if (const QString error = checkLesson(line, exporting, anyExportOption); !error.isEmpty())
        return error;
    if (int(line.exportTrace) + int(line.exportData) + int(line.investigate) + int(line.exportImage)
            + int(line.exportAnimation) + int(line.labSheet)
        > 1)
        return QStringLiteral("--export-trace, --export-data, --export-image, --export-animation and --investigate "
                              "cannot go together");
    if (line.investigate && (line.vary.isEmpty() || line.measures.isEmpty()))
        return QStringLiteral("--investigate needs --vary and --measure");
    if (!line.investigate && (!line.vary.isEmpty() || !line.measures.isEmpty()))
        return QStringLiteral("--vary and --measure belong to --investigate");
    if (!line.fileToOpen.isEmpty() && exporting)
        return QStringLiteral("unknown argument \"%1\" (an export takes --experiment FILE)").arg(line.fileToOpen);
    if (!exporting && anyExportOption)
        return QStringLiteral("--experiment, --catalogue, --ticks, --speed and --output belong to an export");
    if (line.investigate && tableOptions)
        return QStringLiteral("--frequency, --columns, --radians, --every-sample, --ledger and --compare belong to "
                              "--export-data");
    if (line.exportTrace && dataOptions)
        return QStringLiteral("--frequency, --columns, --radians, --every-sample, --ledger, --compare, --format "
                              "and --full-precision belong to --export-data");
    if (!line.experiment.isEmpty() && line.catalogue != 0)
        return QStringLiteral("--experiment and --catalogue cannot both be given");
    if (line.ledger && line.everySample)
        return QStringLiteral("--ledger and --every-sample cannot both be given");
    if (!line.compare.isEmpty() && !line.ledger)
        return QStringLiteral("--compare needs --ledger");
    if (line.compare.size() > 2)
        return QStringLiteral("--compare can be given at most twice");
    return {};
}

}   // namespace

QString readCommandLine(int argc, char** argv, CommandLine* line)
{
    Reader r{argc, argv};
    bool dataOptions = false, tableOptions = false, anyExportOption = false, zoomGiven = false, everyGiven = false;
    for (; r.i < argc; ++r.i) {
        const QString a = QString::fromLocal8Bit(argv[r.i]);
        bool known = false;
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            line->help = true;
        } else if (a == QLatin1String("--version")) {
            line->version = true;
        } else if (a == QLatin1String("--export-trace")) {
            line->exportTrace = true;
        } else if (a == QLatin1String("--export-data")) {
            line->exportData = true;
        } else if (a == QLatin1String("--investigate")) {
            line->investigate = true;
        } else if (a == QLatin1String("--export-image")) {
            line->exportImage = true;
        } else if (a == QLatin1String("--export-animation")) {
            line->exportAnimation = true;
        } else if (a == QLatin1String("--lab-sheet")) {
            line->labSheet = true;
        } else if (a == QLatin1String("--every")) {
            if (const QString error = readNumber(r, "--every", 1, 9998, &line->every); !error.isEmpty())
                return error;
            everyGiven = true;
        } else if (a == QLatin1String("--zoom")) {
            if (const QString error = readNumber(r, "--zoom", 1, 4, &line->zoom); !error.isEmpty())
                return error;
            zoomGiven = true;
        } else if (const QString error = readLessonOption(r, a, line, &known); !error.isEmpty()) {
            return error;
        } else if (known) {
            continue;
        } else if (const QString error = readExportOption(r, a, line, &known); !error.isEmpty()) {
            return error;
        } else if (known) {
            anyExportOption = anyExportOption || !isOneOf(a, {"--vary", "--measure"});
            tableOptions = tableOptions
                || isOneOf(a, {"--frequency", "--columns", "--radians", "--every-sample", "--ledger", "--compare"});
            dataOptions = dataOptions
                || isOneOf(a,
                           {"--frequency", "--columns", "--radians", "--every-sample", "--ledger", "--compare",
                            "--format", "--full-precision"});
        } else if (!a.startsWith(QLatin1Char('-')) && line->fileToOpen.isEmpty()) {
            line->fileToOpen = a;
        } else {
            return QStringLiteral("unknown option \"%1\" (see slidora --help)").arg(a);
        }
    }
    if (line->help || line->version)
        return {};
    if (line->frameGiven && !line->exportTrace && !line->exportData && !line->exportImage)
        return QStringLiteral("--frame belongs to --export-trace, --export-data and --export-image");
    if (zoomGiven && !line->exportImage && !line->exportAnimation)
        return QStringLiteral("--zoom belongs to --export-image and --export-animation");
    if (everyGiven && !line->exportAnimation)
        return QStringLiteral("--every belongs to --export-animation");
    return checkCombination(*line, dataOptions, tableOptions, anyExportOption);
}
