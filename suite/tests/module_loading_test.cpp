#include "suite/module_loading.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct MissingCase {
    const char* name;
    const char* file;
    const char* entry;
    const char* reasonPart; // what the reason must name
};

void PrintTo(const MissingCase& missing, std::ostream* out) {
    *out << missing.name;
}

class MissingModule : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingModule, IsRefusedWithItsReason) {
    const suite::ModuleEntry entry = suite::loadModuleEntry(GetParam().file, GetParam().entry);
    EXPECT_EQ(entry.symbol, nullptr);
    EXPECT_NE(entry.reason.find(GetParam().reasonPart), std::string::npos) << entry.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MissingModule,
    ::testing::Values(MissingCase{"NoFile", "/nonexistent/prover.so", "entry",
                                  "No se ha podido cargar el módulo /nonexistent/prover.so: no existe."},
                      MissingCase{"NoEntry", "libc.so.6", "noSuchEntry", "no tiene la entrada noSuchEntry"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModuleLoading, FindsAnEntryOfALoadedLibrary) {
    EXPECT_NE(suite::loadModuleEntry("libc.so.6", "strlen").symbol, nullptr);
}

TEST(ModuleLoading, ProgramFolderHoldsTheRunningTest) {
    EXPECT_TRUE(std::filesystem::exists(suite::runningProgramFolder() / "suite-core-tests"));
}

} // namespace
