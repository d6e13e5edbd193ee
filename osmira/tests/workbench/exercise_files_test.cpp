// Saving an exercise from the workbench: through a symbolic link to its target, never over a
// read-only file.

#include "exercise_files.h"
#include "suite_testing/scratch_folder.h"
#include "test_support.h"

#include "osmira/archive/exercise_archive.h"

#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

using namespace osmira;
namespace fs = std::filesystem;

namespace {

QString Q(const fs::path& path) {
    return QString::fromStdString(path.string());
}

TEST(ExerciseFiles, SavingThroughALinkWritesItsTarget) {
    suite::testing::ScratchFolder folder;
    RecordingWorkbench workbench;
    auto first = test::newExercise({"A"}, "", workbench);
    auto second = test::newExercise({"B"}, "", workbench);
    fs::path target = folder.path() / "mp.omr";
    ASSERT_FALSE(workbench::saveFailure(Q(target), *first));
    fs::create_directory(folder.path() / "links");
    fs::path link = folder.path() / "links" / "mp.omr";
    fs::create_symlink("../mp.omr", link);
    EXPECT_FALSE(workbench::saveFailure(Q(link), *second));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(suite::testing::readFile(target), SaveExercise(*second));
}

// Decided by the owner's write bit: tests run as root, who could write the file anyway.
TEST(ExerciseFiles, ReadOnlyFileIsNotReplaced) {
    suite::testing::ScratchFolder folder;
    RecordingWorkbench workbench;
    auto first = test::newExercise({"A"}, "", workbench);
    auto second = test::newExercise({"B"}, "", workbench);
    fs::path path = folder.path() / "mp.omr";
    ASSERT_FALSE(workbench::saveFailure(Q(path), *first));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::optional<QString> failure = workbench::saveFailure(Q(path), *second);
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, QStringLiteral("El fichero es de solo lectura: no se reemplaza."));
    EXPECT_EQ(suite::testing::readFile(path), SaveExercise(*first));
}

} // namespace
