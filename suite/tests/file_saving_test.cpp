// A save replaces its file whole or leaves it byte for byte: refused targets, a full disk, a kill
// between any two calls, temporaries left by a killed save.
#include "suite/file_saving.h"

#include "suite_testing/killed_run.h"
#include "suite_testing/scratch_folder.h"
#include "suite_testing/small_disk.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using suite::SaveFailure;
using suite::testing::namesIn;
using suite::testing::readFile;
using suite::testing::ScratchFolder;
using suite::testing::writeFile;

struct RefusalCase {
    const char* name;
    std::function<fs::path(const ScratchFolder&)> make; // the path to save to
    SaveFailure failure;
};

TEST(FileSaving, RefusedTargetsStayAsTheyWere) {
    const RefusalCase table[] = {
        {"loop of links",
         [](const ScratchFolder& f) {
             fs::create_symlink("b", f / "a");
             fs::create_symlink("a", f / "b");
             return f / "a";
         },
         SaveFailure::LinkLoop},
        {"folder", [](const ScratchFolder& f) { return f.path(); }, SaveFailure::Folder},
        {"FIFO",
         [](const ScratchFolder& f) {
             ::mkfifo((f / "fifo").c_str(), 0600);
             return f / "fifo";
         },
         SaveFailure::NotRegularFile},
        {"read-only file",
         [](const ScratchFolder& f) {
             writeFile(f / "r", "old");
             fs::permissions(f / "r", fs::perms::owner_read);
             return f / "r";
         },
         SaveFailure::ReadOnly},
        {"missing folder", [](const ScratchFolder& f) { return f / "none" / "x"; },
         SaveFailure::CannotCreate},
    };
    for (const RefusalCase& row : table) {
        const ScratchFolder folder;
        const fs::path target = row.make(folder);
        const std::vector<std::string> before = namesIn(folder.path());
        const suite::FileSave save = suite::replaceFile(target.string(), "new");
        EXPECT_EQ(save.failure, row.failure) << row.name;
        EXPECT_FALSE(save.reason().empty()) << row.name;
        EXPECT_EQ(namesIn(folder.path()), before) << row.name;
    }
}

TEST(FileSaving, ThroughALinkTheFileItNamesIsReplacedWithItsMode) {
    const ScratchFolder folder;
    writeFile(folder / "target", "old");
    fs::permissions(folder / "target",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("target", folder / "link");
    ASSERT_TRUE(suite::replaceFile((folder / "link").string(), "new").saved());
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_EQ(readFile(folder / "target"), "new");
    EXPECT_EQ(fs::status(folder / "target").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"link", "target"}));
}

TEST(FileSaving, AFullDiskLeavesTheOldFileByteForByte) {
    const ScratchFolder folder;
    suite::testing::SmallDisk disk(folder / "disk");
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot();
    }
    const fs::path target = disk.path() / "exercise.omr";
    writeFile(target, "the student's work");
    disk.fill();
    const suite::FileSave save = suite::replaceFile(target.string(), std::string(3000, 'n'));
    EXPECT_EQ(save.failure, SaveFailure::CannotWrite);
    EXPECT_EQ(save.reason(), "no se puede escribir el fichero: el disco est\xE1 lleno");
    EXPECT_EQ(readFile(target), "the student's work");
    EXPECT_EQ(namesIn(disk.path()), (std::vector<std::string>{"exercise.omr", "filler"}));
}

TEST(FileSaving, ABatchThatFailsWhileStagingReplacesNothing) {
    const ScratchFolder folder;
    writeFile(folder / "picture.jpg", "old picture");
    writeFile(folder / "page.htm", "old page");
    {
        suite::FileReplacement replacement;
        ASSERT_TRUE(replacement.stage((folder / "picture.jpg").string(), "new picture").saved());
        EXPECT_EQ(replacement.stage(folder.path().string(), "a folder").failure, SaveFailure::Folder);
    }
    EXPECT_EQ(readFile(folder / "picture.jpg"), "old picture");
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"page.htm", "picture.jpg"}));

    suite::FileReplacement replacement;
    ASSERT_TRUE(replacement.stage((folder / "picture.jpg").string(), "new picture").saved());
    ASSERT_TRUE(replacement.stage((folder / "page.htm").string(), "new page").saved());
    EXPECT_EQ(readFile(folder / "page.htm"), "old page");
    ASSERT_TRUE(replacement.commit().saved());
    EXPECT_EQ(readFile(folder / "picture.jpg"), "new picture");
    EXPECT_EQ(readFile(folder / "page.htm"), "new page");
}

// The save is killed at each of its calls in turn: the target holds the old bytes or the new,
// never a part, and the next save leaves nothing beside it.
TEST(FileSaving, AKillAtAnyCallLeavesTheOldOrTheNewFileAndNoTemporaryForLong) {
    const ScratchFolder folder;
    const fs::path target = folder / "work.omr";
    const fs::path input = folder / "input";
    const std::string oldBytes(5000, 'o');
    const std::string newBytes(7000, 'n');
    writeFile(input, newBytes);
    for (const char* call : {"write", "fsync", "linkat", "rename"}) {
        writeFile(target, oldBytes);
        const suite::testing::KilledRun run = suite::testing::runKilledAtCall(
            std::string(REPLACE_FILE_TOOL) + " " + target.string() + " < " + input.string(), call, 1);
        if (run == suite::testing::KilledRun::NoStrace) {
            GTEST_SKIP() << "strace is not installed";
        }
        EXPECT_EQ(run, suite::testing::KilledRun::Killed) << call;
        const std::string after = readFile(target);
        EXPECT_TRUE(after == oldBytes || after == newBytes) << call << ": " << after.size() << " bytes";
        ASSERT_TRUE(suite::replaceFile(target.string(), "next").saved()) << call;
        EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"input", "work.omr"})) << call;
    }
}

// Two programs saving the same file at the same moment: each save is whole, none fails, and
// neither takes the other's temporary for one a killed save left.
TEST(FileSaving, TwoSavesAtOnceBothSucceedAndLeaveAWholeFile) {
    const ScratchFolder folder;
    writeFile(folder / "a", std::string(200000, 'a'));
    writeFile(folder / "b", std::string(300000, 'b'));
    const std::string tool = std::string(REPLACE_FILE_TOOL) + " " + (folder / "t").string();
    const std::string pairs = "for i in $(seq 1 50); do " + tool + " < " + (folder / "a").string() +
                              " & a=$!; " + tool + " < " + (folder / "b").string() +
                              " & b=$!; wait $a || exit 1; wait $b || exit 1; done";
    ASSERT_EQ(std::system(("sh -c '" + pairs + "'").c_str()), 0);
    const std::string last = readFile(folder / "t");
    EXPECT_TRUE(last == std::string(200000, 'a') || last == std::string(300000, 'b')) << last.size();
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"a", "b", "t"}));
}

// A temporary's name is longer than its target's; names of 237 to 255 bytes could not be saved.
TEST(FileSaving, TargetsWithTheLongestNamesAreSaved) {
    for (const std::size_t length : {237, 255}) {
        const ScratchFolder folder;
        const std::string name(length, 'n');
        ASSERT_TRUE(suite::replaceFile((folder / name).string(), "saved").saved()) << length;
        EXPECT_EQ(readFile(folder / name), "saved");
        EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{name});
    }
}

// Five files replaced as one batch by the tool, each with the label and its own path.
struct Batch {
    explicit Batch(const ScratchFolder& folder) : folder(folder) {
        for (int i = 1; i <= 5; ++i) {
            targets.push_back(folder / ("picture" + std::to_string(i)));
        }
    }
    std::string command(const std::string& label) const {
        writeFile(folder / label, label);
        std::string line = REPLACE_FILE_TOOL;
        for (const fs::path& target : targets) {
            line += " " + target.string();
        }
        return line + " < " + (folder / label).string();
    }
    // The labels the files hold, once each.
    std::set<std::string> labels() const {
        std::set<std::string> found;
        for (const fs::path& target : targets) {
            const std::string bytes = readFile(target);
            found.insert(bytes.substr(0, bytes.size() - target.string().size()));
        }
        return found;
    }
    const ScratchFolder& folder;
    std::vector<fs::path> targets;
};

// Killed at each of its renames, a batch leaves its files all old, all new, or its journal, which
// the next save into the folder finishes: in the end every file is of the new batch.
TEST(FileSaving, ABatchKilledAmongItsRenamesIsFinishedByTheNextSaveIntoItsFolder) {
    const ScratchFolder folder;
    const Batch batch(folder);
    const std::string command = batch.command("new");
    for (int n = 1; n <= 5; ++n) {
        for (const fs::path& target : batch.targets) {
            writeFile(target, "old" + target.string());
        }
        const suite::testing::KilledRun run = suite::testing::runKilledAtCall(command, "rename", n);
        if (run == suite::testing::KilledRun::NoStrace) {
            GTEST_SKIP() << "strace is not installed";
        }
        ASSERT_EQ(run, suite::testing::KilledRun::Killed) << n;
        if (batch.labels().size() > 1) {
            EXPECT_TRUE(fs::exists(folder / ".guardando.lista")) << n;
        }
        ASSERT_TRUE(suite::replaceFile((folder / "other").string(), "other").saved()) << n;
        EXPECT_EQ(batch.labels(), std::set<std::string>{"new"}) << n;
        EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"new", "other", "picture1", "picture2",
                                                                    "picture3", "picture4", "picture5"}))
            << n;
    }
}

// Two batches of the same files at the same moment: both succeed, and the files are all of one.
TEST(FileSaving, TwoBatchesAtOnceLeaveTheFilesAllOfOne) {
    const ScratchFolder folder;
    const Batch batch(folder);
    const std::string pair =
        "sh -c '" + batch.command("a") + " & a=$!; " + batch.command("b") + " & b=$!; wait $a && wait $b'";
    for (int i = 0; i < 30; ++i) {
        ASSERT_EQ(std::system(pair.c_str()), 0) << i;
        EXPECT_EQ(batch.labels().size(), 1U) << i;
    }
}

TEST(FileSaving, OnlyTheTargetsOwnTemporariesAreRemoved) {
    const ScratchFolder folder;
    const std::vector<std::string> kept = {".other.omr.guardando.Ab12Cd", ".work.omr.guardando.short",
                                           "work.omr.backup", "work.omr.Ab12Cd"};
    for (const std::string& name : kept) {
        writeFile(folder / name, "keep");
    }
    writeFile(folder / ".work.omr.guardando.Zz09aB", "stale");
    ASSERT_TRUE(suite::replaceFile((folder / "work.omr").string(), "saved").saved());
    std::vector<std::string> expected = kept;
    expected.push_back("work.omr");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(folder.path()), expected);
}

} // namespace
