// A file held while it is read, changed and written back: a second holder, however it names the
// file, gives up with its reason when its wait ends, or waits and then holds what the first saved.
#include "suite/file_lock.h"

#include "suite/file_saving.h"
#include "suite/latin1.h"
#include "suite_testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

namespace {

namespace fs = std::filesystem;
using suite::testing::readFile;
using suite::testing::ScratchFolder;
using suite::testing::writeFile;

TEST(FileLock, ASecondHolderGivesUpWithItsReasonWhenItsWaitEnds) {
    const ScratchFolder folder;
    writeFile(folder / "work.omr", "old");
    fs::create_symlink("work.omr", folder / "link.omr");
    fs::create_hard_link(folder / "work.omr", folder / "other-name.omr");
    for (const char* name : {"work.omr", "link.omr", "other-name.omr"}) {
        suite::FileLock first = suite::lockFile((folder / "work.omr").string());
        ASSERT_TRUE(first.held());
        const suite::FileLock second =
            suite::lockFile((folder / name).string(), std::chrono::milliseconds(0));
        EXPECT_FALSE(second.held()) << name;
        EXPECT_TRUE(second.busy()) << name;
        EXPECT_EQ(second.reason(), suite::latin1FromUtf8("otro programa está cambiando el fichero; vuelva a "
                                                         "intentarlo cuando termine"))
            << name;
        first = {};
        EXPECT_TRUE(suite::lockFile((folder / name).string(), std::chrono::milliseconds(0)).held()) << name;
    }
}

// The first holder saves as every program does, by renaming a new file over the old one.
TEST(FileLock, AWaitingHolderHoldsWhatTheFirstSaved) {
    const ScratchFolder folder;
    const std::string path = (folder / "work.omr").string();
    writeFile(path, "old");
    suite::FileLock first = suite::lockFile(path);
    ASSERT_TRUE(first.held());
    std::atomic<bool> waiting = false;
    std::string seen;
    bool othersRefused = false;
    std::thread second([&] {
        waiting = true;
        const suite::FileLock lock = suite::lockFile(path);
        seen = readFile(path);
        othersRefused = suite::lockFile(path, std::chrono::milliseconds(0)).busy();
    });
    while (!waiting) {
        std::this_thread::yield();
    }
    ASSERT_TRUE(suite::replaceFile(path, "new").saved());
    first = {};
    second.join();
    EXPECT_EQ(seen, "new");
    EXPECT_TRUE(othersRefused);
}

} // namespace
