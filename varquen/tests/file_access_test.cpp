// The window's file reading and saving, on real files.
#include "file_access.h"

#include "suite_testing/scratch_folder.h"

#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

using suite::testing::readFile;
using suite::testing::writeFile;
using varquen::app::readWholeFile;
using varquen::app::writeFileAtomically;

namespace {

namespace fs = std::filesystem;

QString qPath(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// Abrir once read /dev/zero without end.
TEST(ReadWholeFile, RefusesAFileBeyondTheSizeLimitWithoutReadingItAll) {
    const suite::testing::ScratchFolder scratch;
    const fs::path big = scratch.path() / "big.txt";
    writeFile(big, "");
    fs::resize_file(big, 64 * 1024 * 1024);
    for (const fs::path& path : {big, fs::path("/dev/zero")}) {
        const auto read = readWholeFile(qPath(path));
        EXPECT_FALSE(read.value) << path;
        EXPECT_EQ(read.reason, QStringLiteral("El fichero tiene más de 1048576 bytes, más de los que puede "
                                              "tener un fichero de fórmulas: no se lee"))
            << path;
    }
}

// A file without write permission for its owner is not replaced, even for root, who could.
TEST(WriteFileAtomically, RefusesAFileItsOwnerMayNotWrite) {
    const suite::testing::ScratchFolder scratch;
    const fs::path file = scratch.path() / "read-only.txt";
    writeFile(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::optional<QString> reason = writeFileAtomically(qPath(file), "new");
    ASSERT_TRUE(reason);
    EXPECT_EQ(*reason, QStringLiteral("El fichero %1 es de solo lectura: no se reemplaza").arg(qPath(file)));
    EXPECT_EQ(readFile(file), "old");
}

} // namespace
