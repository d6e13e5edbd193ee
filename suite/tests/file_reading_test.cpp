// Reading never waits on what is not a regular file and never reads past its limit.
#include "suite/file_reading.h"

#include "suite_testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {

using suite::ReadFailure;
using suite::testing::ScratchFolder;
using suite::testing::writeFile;

struct ReadCase {
    const char* name;
    std::function<std::string(const ScratchFolder&)> make; // the path to read
    ReadFailure failure;
    const char* bytes;
};

TEST(FileReading, ReadsRegularFilesAndRefusesTheRestAtOnce) {
    const ReadCase table[] = {
        {"regular",
         [](const ScratchFolder& f) {
             writeFile(f / "a", "abc");
             return (f / "a").string();
         },
         ReadFailure::None, "abc"},
        {"at the limit",
         [](const ScratchFolder& f) {
             writeFile(f / "a", "0123456789");
             return (f / "a").string();
         },
         ReadFailure::None, "0123456789"},
        {"past the limit",
         [](const ScratchFolder& f) {
             writeFile(f / "a", "0123456789x");
             return (f / "a").string();
         },
         ReadFailure::TooLarge, ""},
        {"missing", [](const ScratchFolder& f) { return (f / "none").string(); }, ReadFailure::Missing, ""},
        {"folder", [](const ScratchFolder& f) { return f.path().string(); }, ReadFailure::Folder, ""},
        {"FIFO without a writer",
         [](const ScratchFolder& f) {
             ::mkfifo((f / "fifo").c_str(), 0600);
             return (f / "fifo").string();
         },
         ReadFailure::NotRegularFile, ""},
        {"endless device", [](const ScratchFolder&) { return std::string("/dev/zero"); },
         ReadFailure::NotRegularFile, ""},
        {"kernel file measured as empty, longer than the limit",
         [](const ScratchFolder&) { return std::string("/proc/self/environ"); }, ReadFailure::TooLarge, ""},
    };
    for (const ReadCase& row : table) {
        const ScratchFolder folder;
        const suite::FileRead read = suite::readRegularFile(row.make(folder), 10);
        EXPECT_EQ(read.failure, row.failure) << row.name;
        EXPECT_EQ(read.value.value_or(""), row.bytes) << row.name;
        EXPECT_EQ(read.value.has_value(), row.failure == ReadFailure::None) << row.name;
    }
}

} // namespace
