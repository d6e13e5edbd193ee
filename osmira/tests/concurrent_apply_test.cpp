// Two osmira-cli apply on one file at the same moment, as two processes: both steps end up in
// the file, or the one that could not have the file says so and fails; never one lost in silence.
#include "cli_support.h"
#include "suite_testing/scratch_folder.h"

#include "osmira/archive/exercise_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct ChildRun {
    int status;
    std::string err;
};

fs::path errorsOf(const fs::path& folder, std::size_t child) {
    return folder / ("errors-" + std::to_string(child));
}

// Runs osmira-cli once for each list of arguments, all started together: every child waits on
// one pipe until the parent closes it, then becomes osmira-cli with its errors in a file.
std::vector<ChildRun> runTogether(const std::vector<std::vector<std::string>>& commands,
                                  const fs::path& folder) {
    int gate[2];
    EXPECT_EQ(::pipe(gate), 0);
    std::vector<pid_t> children;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        std::vector<std::string> words{OSMIRA_CLI};
        words.insert(words.end(), commands[i].begin(), commands[i].end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        const std::string errors = errorsOf(folder, i).string();
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(gate[1]);
            char ignored;
            [[maybe_unused]] const ssize_t opened = ::read(gate[0], &ignored, 1);
            ::dup2(::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
            ::execv(argv.front(), argv.data());
            ::_exit(127);
        }
        children.push_back(child);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    std::vector<ChildRun> runs;
    for (std::size_t i = 0; i < children.size(); ++i) {
        int status = 0;
        ::waitpid(children[i], &status, 0);
        runs.push_back(
            {WIFEXITED(status) ? WEXITSTATUS(status) : -1, suite::testing::readFile(errorsOf(folder, i))});
    }
    return runs;
}

TEST(ConcurrentApply, EveryStepOfTwoAppliesAtOnceIsInTheFile) {
    const suite::testing::ScratchFolder folder;
    const std::string path = (folder / "ejercicio.omr").string();
    ASSERT_EQ(osmira::test::runCli({"new", "--hyp", "A", "-o", path}).status, 0);
    const std::vector<std::string> doubleCut{"apply", path, "5", "0"};
    const std::string refusal =
        "osmira-cli: " + path +
        ": Otro programa está cambiando el fichero; vuelva a intentarlo cuando termine.\n";
    std::size_t applied = 0;
    for (int pair = 0; pair < 20; ++pair) {
        for (const ChildRun& run : runTogether({doubleCut, doubleCut}, folder.path())) {
            if (run.status == 0) {
                ++applied;
            } else {
                EXPECT_EQ(run.err, refusal) << "exit " << run.status;
            }
        }
    }
    const osmira::ExerciseRead saved = osmira::readExerciseFile(path);
    ASSERT_TRUE(saved.value) << saved.reason;
    EXPECT_EQ(saved.value->GetSteps().size(), 1 + applied);
}

} // namespace
