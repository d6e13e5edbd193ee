// `cmake --install` into a scratch prefix: every program's window and tool, menu entry, icon,
// AppStream file and examples in the standard places, passing the validators Debian's own tools
// apply, and osmira's exercise file type known by its leading bytes.
#include "suite_testing/scratch_folder.h"

#include <QLibrary>
#include <QMimeDatabase>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
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

// One installation for the whole process: every case reads the same tree.
class InstalledTree : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        scratch_ = std::make_unique<suite::testing::ScratchFolder>();
        install_ = run(std::string(CMAKE_COMMAND) + " --install " + quoted(BUILD_DIR) + " --prefix " +
                       quoted(prefix()));
    }
    static void TearDownTestSuite() { scratch_.reset(); }
    void SetUp() override { ASSERT_EQ(install_.status, 0) << install_.output; }

    static fs::path prefix() { return scratch_->path() / "usr"; }

    static inline std::unique_ptr<suite::testing::ScratchFolder> scratch_;
    static inline Command install_;
};

struct Program {
    const char* name;
};

void PrintTo(const Program& program, std::ostream* out) {
    *out << program.name;
}

class ProgramInstalled : public InstalledTree, public ::testing::WithParamInterface<Program> {};

TEST_P(ProgramInstalled, HasItsEntriesAndTheyValidate) {
    const std::string program = GetParam().name;
    const std::string id = "org.logicsuite." + program;
    for (const std::string& tool : {program, program + "-cli"}) {
        const fs::path path = prefix() / "bin" / tool;
        ASSERT_TRUE(fs::is_regular_file(path)) << path;
        EXPECT_NE(fs::status(path).permissions() & fs::perms::others_exec, fs::perms::none) << path;
    }
    EXPECT_TRUE(fs::is_regular_file(prefix() / "share/icons/hicolor/scalable/apps" / (id + ".svg")));
    const fs::path examples = prefix() / "share/doc" / program / "examples";
    EXPECT_TRUE(fs::is_directory(examples) && !fs::is_empty(examples)) << examples;

    const fs::path desktopEntry = prefix() / "share/applications" / (id + ".desktop");
    ASSERT_TRUE(fs::is_regular_file(desktopEntry));
    const Command desktop = run("desktop-file-validate " + quoted(desktopEntry));
    EXPECT_EQ(desktop.status, 0) << desktop.output;

    const fs::path metainfo = prefix() / "share/metainfo" / (id + ".metainfo.xml");
    ASSERT_TRUE(fs::is_regular_file(metainfo));
    const Command appstream = run("appstreamcli validate --no-net --strict " + quoted(metainfo));
    EXPECT_EQ(appstream.status, 0) << appstream.output;
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramInstalled,
                         ::testing::Values(Program{"varquen"}, Program{"osmira"}, Program{"zudaviror"}),
                         [](const ::testing::TestParamInfo<Program>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(InstalledTree, OsmiraFindsItsPrintingModuleWhereItLooks) {
    const fs::path module = prefix() / "bin" / OSMIRA_PRINTING_FROM_BIN / "osmira-printing.so";
    ASSERT_TRUE(fs::is_regular_file(module)) << module;
    QLibrary library(QString::fromStdString(module.string()));
    EXPECT_NE(library.resolve("osmiraPrinting"), nullptr) << library.errorString().toStdString();
}

TEST_F(InstalledTree, KnowsAnExerciseByItsLeadingBytes) {
    const fs::path mime = prefix() / "share/mime";
    const Command update = run("update-mime-database " + quoted(mime));
    ASSERT_EQ(update.status, 0) << update.output;
    // Only the scratch tree's types: what is found comes from the installed file.
    ::setenv("XDG_DATA_DIRS", (prefix() / "share").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (scratch_->path() / "home").c_str(), 1);
    const fs::path renamed = scratch_->path() / "entrega.bin";
    fs::copy_file(fs::path(EXAMPLES_DIR) / "osmira/modus_ponens.omr", renamed);

    QMimeDatabase types;
    EXPECT_EQ(
        types.mimeTypeForFile(QString::fromStdString(renamed.string()), QMimeDatabase::MatchContent).name(),
        QStringLiteral("application/x-osmira-exercise"));
    EXPECT_EQ(types.mimeTypeForFile(QStringLiteral("nuevo.omr"), QMimeDatabase::MatchExtension).name(),
              QStringLiteral("application/x-osmira-exercise"));
    const QString desktop = QString::fromStdString(
        suite::testing::readFile(prefix() / "share/applications/org.logicsuite.osmira.desktop"));
    EXPECT_TRUE(desktop.contains(QStringLiteral("MimeType=application/x-osmira-exercise;")));
}

} // namespace
