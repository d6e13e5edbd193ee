// The Debian packages as this build makes them (cpack, into a scratch folder): lintian finds no
// error and no warning in any of them. Its informations may stay: Spanish words taken for English
// misspellings, and the hardening flags that only `make package` builds with.
#include "suite_testing/scratch_folder.h"
#include "suite_testing/shell_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

using suite::testing::runShell;
using suite::testing::shellQuoted;
using suite::testing::ShellRun;
using suite::testing::toolInstalled;

TEST(DebianPackages, PassLintianWithoutErrorsOrWarnings) {
    if (!toolInstalled("lintian") || !toolInstalled("dpkg-shlibdeps")) {
        GTEST_SKIP() << "lintian or dpkg-shlibdeps is not installed";
    }
    const suite::testing::ScratchFolder scratch;
    const ShellRun packed = runShell("cd " + shellQuoted(BUILD_DIR) + " && " + shellQuoted(CPACK_COMMAND) +
                                     " -G DEB -B " + shellQuoted(scratch.path()));
    ASSERT_EQ(packed.status, 0) << packed.output;
    for (const std::string name : {"varquen", "osmira", "zudaviror"}) {
        fs::path package;
        for (const fs::directory_entry& entry : fs::directory_iterator(scratch.path())) {
            const std::string file = entry.path().filename().string();
            if (file.starts_with(name + "_") && file.ends_with(".deb")) {
                package = entry.path();
            }
        }
        ASSERT_FALSE(package.empty()) << name << '\n' << packed.output;
        const ShellRun lintian =
            runShell("lintian --fail-on error,warning --tag-display-limit 0 " + shellQuoted(package));
        EXPECT_EQ(lintian.status, 0) << lintian.output;
        // A program with a prover module depends on Z3's library, which only the module links.
        if (std::string("," PROVER_PROGRAMS ",").find("," + name + ",") != std::string::npos) {
            const ShellRun depends = runShell("dpkg-deb -f " + shellQuoted(package) + " Depends");
            EXPECT_NE(depends.output.find("libz3-4"), std::string::npos) << name << ": " << depends.output;
            // varquen asks E beside Z3.
            EXPECT_EQ(depends.output.find("eprover") != std::string::npos, name == std::string("varquen"))
                << name << ": " << depends.output;
        }
    }
}

} // namespace
