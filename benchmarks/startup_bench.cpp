// Start-up of every program's windows beside a bare Qt window: each case is started as a
// process, in pairs with the bare program (the order alternating), until the first-paint
// plugin ends it with its window up. Wall time, CPU time (user + system) and peak resident
// memory of the child come from wait4; each case's figures are medians, its ratios the medians
// of the ratios to the bare program of the same pair.
//
//   suite-startup [--runs N] [--out results.json]
#include "startup_cases.h"

#include "osmira/archive/exercise_archive.h"
#include "test_support.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Run {
    double wallMs = 0;
    double cpuMs = 0;
    double peakKb = 0;
};

struct Case {
    std::string name;
    std::vector<std::string> command;
    std::string accept; // windows the plugin gets past with Enter
};

double milliseconds(const timeval& time) {
    return time.tv_sec * 1e3 + time.tv_usec / 1e3;
}

double now() {
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return time.tv_sec * 1e3 + time.tv_nsec / 1e6;
}

std::vector<std::string> environmentFor(const Case& c, const std::string& home) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        if (name.rfind("QT_", 0) != 0 && name.rfind("SUITE_", 0) != 0 && name != "HOME" &&
            name.rfind("XDG_", 0) != 0) {
            environment.push_back(text);
        }
    }
    environment.push_back("QT_QPA_PLATFORM=offscreen");
    environment.push_back("QT_PLUGIN_PATH=" + std::string(startup::kPluginFolder));
    environment.push_back("QT_QPA_GENERIC_PLUGINS=suitefirstpaint");
    environment.push_back("SUITE_FIRST_PAINT_ACCEPT=" + c.accept);
    // Settings of their own, the same for every run, never the user's.
    environment.push_back("HOME=" + home);
    environment.push_back("XDG_CONFIG_HOME=" + home + "/.config");
    environment.push_back("XDG_RUNTIME_DIR=" + home);
    return environment;
}

// One start of the case: fork, exec, wait4; the run's rusage is the child's alone.
Run start(const Case& c, const std::string& home) {
    std::vector<std::string> environment = environmentFor(c, home);
    std::vector<char*> argv;
    for (const std::string& word : c.command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    const double begin = now();
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double end = now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "suite-startup: %s ended with status %d (%s)\n", c.name.c_str(),
                     WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                     WIFEXITED(status) && WEXITSTATUS(status) == 3 ? "no window was exposed" : "not up");
        std::exit(1);
    }
    return {end - begin, milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The workbench benchmark's exercise of 99 steps.
std::string write99StepExercise(const QString& folder) {
    osmira::RecordingWorkbench recorder;
    auto exercise = osmira::test::ninetyNineStepExercise(recorder);
    const std::string bytes = osmira::SaveExercise(*exercise);
    const QString path = QDir(folder).filePath(QStringLiteral("99-pasos.omr"));
    QSaveFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (!file.commit()) {
        std::fprintf(stderr, "suite-startup: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    return path.toStdString();
}

// The largest exercise a student can start, written by `osmira-cli new` in a process of its own, so
// that this program, whose memory every child starts from, stays small.
std::string writeLargestExercise(const QString& folder) {
    const std::string path = QDir(folder).filePath(QStringLiteral("mayor.omr")).toStdString();
    const Case writer{"osmira-cli new", {startup::kOsmiraCli}, ""};
    Case command = writer;
    for (const std::string& argument : osmira::test::newLargestExerciseArguments(path)) {
        command.command.push_back(argument);
    }
    start(command, folder.toStdString());
    return path;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 21;
    std::string out;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--runs") {
            runs = std::max(1, std::atoi(argv[i + 1]));
        } else if (option == "--out") {
            out = argv[i + 1];
        }
    }
    QTemporaryDir folder;
    const std::string home = folder.path().toStdString();
    const std::string exercise = write99StepExercise(folder.path());
    const std::string largest = writeLargestExercise(folder.path());

    const Case bare{"bare Qt window", {startup::kBareWindow}, ""};
    const std::vector<Case> cases = {
        {"varquen window", {startup::kVarquen}, ""},
        {"zudaviror cover", {startup::kZudaviror}, ""},
        {"zudaviror main window", {startup::kZudaviror}, "DlgPrueba"},
        {"osmira main window", {startup::kOsmira}, ""},
        {"osmira with 99 steps", {startup::kOsmira, exercise}, ""},
        {"osmira with the largest exercise", {startup::kOsmira, largest}, ""},
    };

    // A first round unmeasured: files into the page cache, font caches built.
    start(bare, home);
    for (const Case& c : cases) {
        start(c, home);
    }
    std::vector<std::vector<Run>> bareRuns(cases.size()), caseRuns(cases.size());
    for (int round = 0; round < runs; ++round) {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const bool bareFirst = (round + static_cast<int>(i)) % 2 == 0;
            if (bareFirst) {
                bareRuns[i].push_back(start(bare, home));
            }
            caseRuns[i].push_back(start(cases[i], home));
            if (!bareFirst) {
                bareRuns[i].push_back(start(bare, home));
            }
        }
    }

    QJsonArray rows;
    std::printf("%-32s %10s %10s %10s %8s %8s %8s\n", "start-up (median)", "wall ms", "cpu ms", "peak MB",
                "wall x", "cpu x", "peak x");
    std::vector<double> allBareWall, allBareCpu, allBarePeak;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::vector<double> wall, cpu, peak, wallRatio, cpuRatio, peakRatio;
        for (int round = 0; round < runs; ++round) {
            const Run& mine = caseRuns[i][static_cast<std::size_t>(round)];
            const Run& reference = bareRuns[i][static_cast<std::size_t>(round)];
            wall.push_back(mine.wallMs);
            cpu.push_back(mine.cpuMs);
            peak.push_back(mine.peakKb);
            wallRatio.push_back(mine.wallMs / reference.wallMs);
            cpuRatio.push_back(mine.cpuMs / reference.cpuMs);
            peakRatio.push_back(mine.peakKb / reference.peakKb);
            allBareWall.push_back(reference.wallMs);
            allBareCpu.push_back(reference.cpuMs);
            allBarePeak.push_back(reference.peakKb);
        }
        QJsonObject row;
        row[QStringLiteral("name")] = QString::fromStdString(cases[i].name);
        row[QStringLiteral("runs")] = runs;
        row[QStringLiteral("wall_ms")] = median(wall);
        row[QStringLiteral("cpu_ms")] = median(cpu);
        row[QStringLiteral("peak_kb")] = median(peak);
        row[QStringLiteral("wall_ratio")] = median(wallRatio);
        row[QStringLiteral("cpu_ratio")] = median(cpuRatio);
        row[QStringLiteral("peak_ratio")] = median(peakRatio);
        rows.append(row);
        std::printf("%-32s %10.1f %10.1f %10.1f %8.2f %8.2f %8.2f\n", cases[i].name.c_str(), median(wall),
                    median(cpu), median(peak) / 1024, median(wallRatio), median(cpuRatio), median(peakRatio));
    }
    std::printf("%-32s %10.1f %10.1f %10.1f   (%d pairs per case, interleaved)\n", bare.name.c_str(),
                median(allBareWall), median(allBareCpu), median(allBarePeak) / 1024, runs);

    if (!out.empty()) {
        QJsonObject bareRow;
        bareRow[QStringLiteral("wall_ms")] = median(allBareWall);
        bareRow[QStringLiteral("cpu_ms")] = median(allBareCpu);
        bareRow[QStringLiteral("peak_kb")] = median(allBarePeak);
        QJsonObject document;
        document[QStringLiteral("startup")] = rows;
        document[QStringLiteral("bare")] = bareRow;
        QSaveFile file(QString::fromStdString(out));
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(document).toJson());
        if (!file.commit()) {
            std::fprintf(stderr, "suite-startup: cannot write %s\n", out.c_str());
            return 1;
        }
    }
    return 0;
}
