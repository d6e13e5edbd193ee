#include "suite/module_loading.h"

#include "suite_testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

using suite::testing::readFile;
using suite::testing::ScratchFolder;
using suite::testing::writeFile;

struct RefusedCase {
    const char* name;
    std::function<std::string(const ScratchFolder&)> place; // the module's path
    const char* clause;                                     // why, after the path
};

void PrintTo(const RefusedCase& refused, std::ostream* out) {
    *out << refused.name;
}

class RefusedModule : public ::testing::TestWithParam<RefusedCase> {};

// Never the loader's English words, and never a wait on what is not a regular file.
TEST_P(RefusedModule, IsRefusedAtOnceWithItsReasonInSpanish) {
    const ScratchFolder folder;
    const std::string path = GetParam().place(folder);
    const suite::ModuleEntry entry = suite::loadModuleEntry(path, "suiteTestEntry");
    EXPECT_EQ(entry.symbol, nullptr);
    EXPECT_EQ(entry.reason, "No se ha podido cargar el módulo " + path + ": " + GetParam().clause + ".");
}

std::string written(const ScratchFolder& folder, std::string_view bytes) {
    writeFile(folder / "prover.so", bytes);
    return (folder / "prover.so").string();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedModule,
    ::testing::Values(
        RefusedCase{"NoFile", [](const ScratchFolder& f) { return (f / "prover.so").string(); }, "no existe"},
        RefusedCase{"FifoWithoutAWriter",
                    [](const ScratchFolder& f) {
                        ::mkfifo((f / "prover.so").c_str(), 0600);
                        return (f / "prover.so").string();
                    },
                    "no es un fichero corriente, sino una tubería, un dispositivo o un socket"},
        RefusedCase{"Folder", [](const ScratchFolder& f) { return f.path().string(); },
                    "es una carpeta, no un fichero"},
        RefusedCase{"EmptyFile", [](const ScratchFolder& f) { return written(f, ""); },
                    "no es un módulo válido"},
        RefusedCase{"TextFile",
                    [](const ScratchFolder& f) {
                        return written(f, "Este fichero ocupa el lugar del demostrador, pero es un texto.\n");
                    },
                    "no es un módulo válido"},
        RefusedCase{"OtherMachine",
                    [](const ScratchFolder& f) {
                        std::string module = readFile(MODULE_NEEDING_SYMBOL);
                        module.at(18) ^= 0x01; // another number in e_machine
                        return written(f, module);
                    },
                    "es un módulo de otra arquitectura"},
        RefusedCase{"MissingLibrary",
                    [](const ScratchFolder&) { return std::string(MODULE_NEEDING_LIBRARY); },
                    "falta la biblioteca libsuite-absent.so, que el módulo necesita"},
        RefusedCase{"MissingSymbol", [](const ScratchFolder&) { return std::string(MODULE_NEEDING_SYMBOL); },
                    "falta el símbolo suiteTestElsewhere, que el módulo necesita"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModuleLoading, AModuleWithoutTheEntryIsRefused) {
    EXPECT_EQ(suite::loadModuleEntry("libc.so.6", "noSuchEntry").reason,
              "El módulo libc.so.6 no tiene la entrada noSuchEntry.");
}

TEST(ModuleLoading, FindsAnEntryOfALoadedLibrary) {
    EXPECT_NE(suite::loadModuleEntry("libc.so.6", "strlen").symbol, nullptr);
}

TEST(ModuleLoading, ProgramFolderHoldsTheRunningTest) {
    EXPECT_TRUE(std::filesystem::exists(suite::runningProgramFolder() / "suite-core-tests"));
}

} // namespace
