// Prints one table of every benchmark against its budget, from the JSON files that the
// Google Benchmark executables (--benchmark_out) and suite-startup (--out) wrote; the table is
// Markdown, so the README keeps it as printed. Exits 1 when a figure is short of its budget or
// a benchmark failed.
//
//   bench-table RESULT.json...
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Everything that runs in answer to the student has one frame; these two are heavier by nature.
constexpr double kFrameMs = 16;
const std::map<QString, double> kBudgetsMs = {
    {QStringLiteral("BM_Open99StepFileWithItsWindows"), 1000},
    {QStringLiteral("BM_Report99StepsAllOptions"), 1000},
    // osmira's report of the largest exercise a student can start, and of 65,535 steps.
    {QStringLiteral("BM_ReportTheLargestExercise"), 5000},
    {QStringLiteral("BM_Report65535Steps"), 5000},
    // A prover's answer (varquen's and zudaviror's), countermodel included, and varquen's module's
    // first load; zudaviror's answers over its table of axioms (median and slowest) and its slowest
    // answer to random formulas at the keypad's limits.
    {QStringLiteral("answer"), 200},
    {QStringLiteral("firstQuestionLoadsTheModule"), 100},
    {QStringLiteral("axiomTableMedian"), 20},
    {QStringLiteral("axiomTableSlowest"), 2000},
    {QStringLiteral("slowestRandomAtTheLimits"), 2000},
    // varquen's worst questions: the time limit and a tenth.
    {QStringLiteral("answerWithinTheLimit"), 2200},
    // Whether the largest exercise a student can start can be done, told once after Nuevo.
    {QStringLiteral("decideTheLargestExercise"), 100},
    // osmira's "Pista": a derivation searched for and its next step shown; the tutor's derivation
    // of an exercise within its bounds (solve); an exercise too large for it, refused.
    {QStringLiteral("BM_PistaWithinTheBounds"), 1000},
    {QStringLiteral("nextStepOfTheWidestExercise"), 1000},
    {QStringLiteral("findDerivationOfTableExercise"), 2000},
    {QStringLiteral("refuseTheHundredTermDisjunction"), 500},
    // osmira's exports for teachers: a derivation of 99 steps as LaTeX, a class of 200 files of 30 steps.
    {QStringLiteral("latexExportNinetyNineSteps"), 200},
    {QStringLiteral("classPageTwoHundredFiles"), 5000},
};
// What a benchmark reports as its peak_bytes counter (a command-line tool's peak resident memory) is
// held to this instead of a time.
constexpr double kPeakMemoryMb = 1024;
constexpr double kStartupRatio = 1.25;
// A start that opens a file has the file's budget instead: its windows are the file's, not start-up.
const std::map<QString, double> kStartupBudgetsMs = {
    {QStringLiteral("osmira with 99 steps"), 1000},
    {QStringLiteral("osmira with the largest exercise"), 1000},
};

bool allWithin = true;

void row(const QString& benchmark, const QString& figure, const QString& budget, const char* verdict) {
    std::printf("| %s | %s | %s | %s |\n", qPrintable(benchmark), qPrintable(figure), qPrintable(budget),
                verdict);
}

const char* verdict(bool within) {
    allWithin = allWithin && within;
    return within ? "pass" : "**short**";
}

QString duration(double ms) {
    if (ms < 1) {
        return QStringLiteral("%1 µs").arg(ms * 1000, 0, 'f', ms < 0.01 ? 2 : 1);
    }
    return QStringLiteral("%1 ms").arg(ms, 0, 'f', ms < 100 ? 2 : 0);
}

double toMs(double time, const QString& unit) {
    if (unit == QLatin1String("ns")) {
        return time / 1e6;
    }
    if (unit == QLatin1String("us")) {
        return time / 1e3;
    }
    if (unit == QLatin1String("s")) {
        return time * 1e3;
    }
    return time;
}

// A Google Benchmark file: the median when repetitions were asked for, else the one run.
void googleBenchmarkRows(const QString& executable, const QJsonArray& benchmarks) {
    bool aggregated = false;
    for (const QJsonValue& value : benchmarks) {
        aggregated = aggregated || value[QLatin1String("run_type")].toString() == QLatin1String("aggregate");
    }
    for (const QJsonValue& value : benchmarks) {
        const QJsonObject entry = value.toObject();
        const bool aggregate = entry[QLatin1String("run_type")].toString() == QLatin1String("aggregate");
        if (aggregated &&
            (!aggregate || entry[QLatin1String("aggregate_name")].toString() != QLatin1String("median"))) {
            continue;
        }
        const QString name =
            entry[QLatin1String("run_name")].toString(entry[QLatin1String("name")].toString());
        const QString label = executable + QLatin1Char(' ') + name;
        if (entry[QLatin1String("error_occurred")].toBool()) {
            row(label, entry[QLatin1String("error_message")].toString(), QString(), verdict(false));
            continue;
        }
        if (entry.contains(QLatin1String("peak_bytes"))) {
            const double megabytes = entry[QLatin1String("peak_bytes")].toDouble() / (1 << 20);
            row(label, QString::number(megabytes, 'f', 1) + QStringLiteral(" MB"),
                QStringLiteral("≤ %1 MB").arg(kPeakMemoryMb), verdict(megabytes <= kPeakMemoryMb));
            continue;
        }
        const double ms =
            toMs(entry[QLatin1String("real_time")].toDouble(), entry[QLatin1String("time_unit")].toString());
        const auto special = kBudgetsMs.find(name.section(QLatin1Char('/'), 0, 0));
        const double budget = special != kBudgetsMs.end() ? special->second : kFrameMs;
        row(label, duration(ms), QStringLiteral("≤ ") + duration(budget), verdict(ms <= budget));
    }
}

QString ratio(double value) {
    return QStringLiteral("%1×").arg(value, 0, 'f', 2);
}

void startupRows(const QJsonObject& document) {
    const QJsonObject bare = document[QLatin1String("bare")].toObject();
    row(QStringLiteral("start-up: bare Qt window (reference)"),
        duration(bare[QLatin1String("wall_ms")].toDouble()) + QStringLiteral(", ") +
            QString::number(bare[QLatin1String("peak_kb")].toDouble() / 1024, 'f', 1) + QStringLiteral(" MB"),
        QStringLiteral("1×"), "");
    for (const QJsonValue& value : document[QLatin1String("startup")].toArray()) {
        const QJsonObject entry = value.toObject();
        const QString name = QStringLiteral("start-up: ") + entry[QLatin1String("name")].toString();
        const double wallMs = entry[QLatin1String("wall_ms")].toDouble();
        const double wall = entry[QLatin1String("wall_ratio")].toDouble();
        const double peak = entry[QLatin1String("peak_ratio")].toDouble();
        const auto absolute = kStartupBudgetsMs.find(entry[QLatin1String("name")].toString());
        if (absolute != kStartupBudgetsMs.end()) {
            row(name + QStringLiteral(", wall"), duration(wallMs),
                ratio(wall) + QStringLiteral(", ≤ ") + duration(absolute->second),
                verdict(wallMs <= absolute->second));
        } else {
            row(name + QStringLiteral(", wall"), duration(wallMs),
                ratio(wall) + QStringLiteral(" (≤ ") + ratio(kStartupRatio) + QLatin1Char(')'),
                verdict(wall <= kStartupRatio));
        }
        row(name + QStringLiteral(", CPU"), duration(entry[QLatin1String("cpu_ms")].toDouble()),
            ratio(entry[QLatin1String("cpu_ratio")].toDouble()), "");
        const QString memory = QString::number(entry[QLatin1String("peak_kb")].toDouble() / 1024, 'f', 1) +
                               QStringLiteral(" MB");
        if (absolute != kStartupBudgetsMs.end()) {
            row(name + QStringLiteral(", peak memory"), memory, ratio(peak), "");
        } else {
            row(name + QStringLiteral(", peak memory"), memory,
                ratio(peak) + QStringLiteral(" (≤ ") + ratio(kStartupRatio) + QLatin1Char(')'),
                verdict(peak <= kStartupRatio));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    std::printf("| benchmark | figure | ratio or budget | pass/short |\n|---|---|---|---|\n");
    for (int i = 1; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        const QJsonDocument document =
            file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()) : QJsonDocument();
        const QJsonObject object = document.object();
        if (object.contains(QLatin1String("startup"))) {
            startupRows(object);
        } else if (object.contains(QLatin1String("benchmarks"))) {
            googleBenchmarkRows(QFileInfo(file.fileName()).completeBaseName(),
                                object[QLatin1String("benchmarks")].toArray());
        } else {
            row(QFileInfo(file.fileName()).fileName(), QStringLiteral("no results"), QString(),
                verdict(false));
        }
    }
    return allWithin ? 0 : 1;
}
