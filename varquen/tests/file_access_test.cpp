// The window's file reading and saving, on real files.
#include "file_access.h"

#include "suite_testing/scratch_folder.h"

#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using suite::testing::readFile;
using suite::testing::writeFile;
using varquen::app::readWholeFile;
using varquen::app::writeFileAtomically;

namespace {

namespace fs = std::filesystem;

QString qPath(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// Abrir once read /dev/zero without end, and waited forever on a FIFO.
TEST(ReadWholeFile, RefusesWhatIsNoFormulaFileWithoutReadingIt) {
    const suite::testing::ScratchFolder scratch;
    const fs::path big = scratch.path() / "big.txt";
    writeFile(big, "");
    fs::resize_file(big, 64 * 1024 * 1024);
    const fs::path fifo = scratch.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const QString notAFile =
        QStringLiteral("No es un fichero corriente, sino una tubería, un dispositivo o un socket.");
    const std::pair<fs::path, QString> table[] = {
        {big,
         QStringLiteral("El fichero tiene más de 1048576 bytes, más de los que puede tener un fichero de "
                        "fórmulas: no se lee")},
        {fs::path("/dev/zero"), notAFile},
        {fifo, notAFile},
        {scratch.path() / "missing.txt", QStringLiteral("No encuentro fichero")},
    };
    for (const auto& [path, reason] : table) {
        const auto read = readWholeFile(qPath(path));
        EXPECT_FALSE(read.value) << path;
        EXPECT_EQ(read.reason, reason) << path;
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
    EXPECT_EQ(*reason, QStringLiteral("El fichero es de solo lectura: no se reemplaza."));
    EXPECT_EQ(readFile(file), "old");
}

} // namespace
