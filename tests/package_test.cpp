// The Debian packages as this build makes them (cpack, into a scratch folder): lintian finds no
// error and no warning in any of them. Its informations may stay: Spanish words taken for English
// misspellings, and the hardening flags that only `make package` builds with.
#include "suite_testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Command {
    int status;
    std::string output;
};

// Runs a shell command, its error stream joined to its output.
Command run(const std::string& command) {
    Command result{-1, {}};
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, count);
    }
    result.status = ::pclose(pipe);
    return result;
}

std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

bool installed(const std::string& tool) {
    return run("command -v " + tool).status == 0;
}

TEST(DebianPackages, PassLintianWithoutErrorsOrWarnings) {
    if (!installed("lintian") || !installed("dpkg-shlibdeps")) {
        GTEST_SKIP() << "lintian or dpkg-shlibdeps is not installed";
    }
    const suite::testing::ScratchFolder scratch;
    const Command packed = run("cd " + quoted(BUILD_DIR) + " && " + quoted(CPACK_COMMAND) + " -G DEB -B " +
                               quoted(scratch.path()));
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
        const Command lintian =
            run("lintian --fail-on error,warning --tag-display-limit 0 " + quoted(package));
        EXPECT_EQ(lintian.status, 0) << lintian.output;
    }
}

} // namespace
