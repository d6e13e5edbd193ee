// osmira-cli's peak memory on the largest exercise a student can start: the tool runs as a child
// process (so that the figure is its own, not this program's) and its peak resident memory comes
// from wait4. `make bench` holds each command to 1 GiB.
#include "test_support.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct ChildRun {
    int status = -1; // the exit status, -1 when a signal ended it
    double peakBytes = 0;
};

ChildRun runCli(const std::vector<std::string>& arguments) {
    std::vector<char*> argv = {const_cast<char*>(OSMIRA_CLI)};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, static_cast<double>(usage.ru_maxrss) * 1024};
}

// Written once by `osmira-cli new` itself, in a folder that lives as long as the program.
const fs::path& largestExercise() {
    static const fs::path path = [] {
        const fs::path folder = fs::temp_directory_path() / ("osmira-cli-memory-" + std::to_string(getpid()));
        fs::create_directories(folder);
        std::atexit([] {
            fs::remove_all(fs::temp_directory_path() / ("osmira-cli-memory-" + std::to_string(getpid())));
        });
        const fs::path file = folder / "mayor.omr";
        if (runCli(osmira::test::newLargestExerciseArguments(file.string())).status != 0) {
            std::abort();
        }
        return file;
    }();
    return path;
}

void BM_PeakMemoryOnTheLargestExercise(benchmark::State& state, const std::string& command) {
    const fs::path exercise = largestExercise();
    std::vector<std::string> arguments = {command, exercise.string()};
    if (command == "report") {
        arguments.push_back((exercise.parent_path() / "informe" / "informe.htm").string());
        fs::create_directories(exercise.parent_path() / "informe");
    }
    ChildRun run;
    for (auto _ : state) {
        run = runCli(arguments);
    }
    state.counters["peak_bytes"] = run.peakBytes;
    if (run.status != 0) {
        state.SkipWithError(("osmira-cli " + command + " ended with status " + std::to_string(run.status) +
                             " (peak " + std::to_string(static_cast<long long>(run.peakBytes / (1 << 20))) +
                             " MB)")
                                .c_str());
    }
}
BENCHMARK_CAPTURE(BM_PeakMemoryOnTheLargestExercise, show, std::string("show"))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PeakMemoryOnTheLargestExercise, verify, std::string("verify"))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PeakMemoryOnTheLargestExercise, report, std::string("report"))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
