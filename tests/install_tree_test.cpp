// `cmake --install` into a scratch prefix: every program's window and tool, manual pages, menu
// entry, icon, AppStream file, examples, copyright and changelog in the standard places, passing
// the validators Debian's own tools apply, and osmira's exercise file type known by its leading
// bytes.
#include "suite_testing/scratch_folder.h"
#include "suite_testing/shell_command.h"

#include <QLibrary>
#include <QMimeDatabase>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

using suite::testing::runShell;
using suite::testing::shellQuoted;
using suite::testing::ShellRun;
using suite::testing::toolInstalled;

// Every option named in the text: a word that starts with - or -- after a space or a bracket.
std::set<std::string> optionsIn(const std::string& text) {
    static const std::regex option(R"((^|[\s\[(|,])(--?[A-Za-z][A-Za-z-]*))");
    std::set<std::string> options;
    for (std::sregex_iterator i(text.begin(), text.end(), option), end; i != end; ++i) {
        options.insert((*i)[2].str());
    }
    return options;
}

// The lines of a manual page's section as rendered, from its heading to the next heading.
std::string renderedSection(const std::string& page, const std::string& heading) {
    std::istringstream lines(page);
    std::string line;
    std::string section;
    bool inside = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.front() != ' ') {
            inside = line == heading;
        } else if (inside) {
            section += line + '\n';
        }
    }
    return section;
}

std::string joined(const std::set<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += word + ' ';
    }
    return text;
}

// One installation for the whole process: every case reads the same tree.
class InstalledTree : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        scratch_ = std::make_unique<suite::testing::ScratchFolder>();
        install_ = runShell(std::string(CMAKE_COMMAND) + " --install " + shellQuoted(BUILD_DIR) +
                            " --prefix " + shellQuoted(prefix()));
    }
    static void TearDownTestSuite() { scratch_.reset(); }
    void SetUp() override { ASSERT_EQ(install_.status, 0) << install_.output; }

    static fs::path prefix() { return scratch_->path() / "usr"; }

    static inline std::unique_ptr<suite::testing::ScratchFolder> scratch_;
    static inline ShellRun install_;
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
    const ShellRun desktop = runShell("desktop-file-validate " + shellQuoted(desktopEntry));
    EXPECT_EQ(desktop.status, 0) << desktop.output;

    const fs::path metainfo = prefix() / "share/metainfo" / (id + ".metainfo.xml");
    ASSERT_TRUE(fs::is_regular_file(metainfo));
    const ShellRun appstream = runShell("appstreamcli validate --no-net --strict " + shellQuoted(metainfo));
    EXPECT_EQ(appstream.status, 0) << appstream.output;
}

TEST_P(ProgramInstalled, HasItsManualPagesAndTheyRenderWithoutWarnings) {
    if (!toolInstalled("man")) {
        GTEST_SKIP() << "man (man-db) is not installed";
    }
    const std::string program = GetParam().name;
    for (const std::string& tool : {program, program + "-cli"}) {
        const fs::path page = prefix() / "share/man/man1" / (tool + ".1.gz");
        ASSERT_TRUE(fs::is_regular_file(page)) << page;
        // As lintian renders it; every warning of groff goes to the error stream.
        const ShellRun rendered =
            runShell("(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z " +
                     shellQuoted(page) + " >/dev/null)");
        EXPECT_EQ(rendered.status, 0) << tool;
        EXPECT_EQ(rendered.output, "") << tool;
        // Spanish words are not hyphenated (groff would break them by English rules, as
        // "de‐scripción"): a narrow terminal shows no hyphen of a broken word.
        const ShellRun narrow = runShell("LC_ALL=C.UTF-8 MANWIDTH=60 man -E UTF-8 -l " + shellQuoted(page));
        EXPECT_EQ(narrow.status, 0) << tool;
        EXPECT_EQ(narrow.output.find("\u2010"), std::string::npos) << tool << ":\n" << narrow.output;
    }
}

TEST_P(ProgramInstalled, ToolsManualPageNamesTheOptionsItsHelpNames) {
    if (!toolInstalled("groff")) {
        GTEST_SKIP() << "groff is not installed";
    }
    const std::string tool = std::string(GetParam().name) + "-cli";
    const ShellRun help = runShell(shellQuoted(prefix() / "bin" / tool) + " --help");
    ASSERT_EQ(help.status, 0) << help.output;
    const fs::path page = prefix() / "share/man/man1" / (tool + ".1.gz");
    const ShellRun rendered =
        runShell("zcat " + shellQuoted(page) + " | groff -k -man -Tutf8 -P-cbou -rLL=200n");
    ASSERT_EQ(rendered.status, 0) << rendered.output;

    // The page also names what every tool answers and its usage leaves out.
    std::set<std::string> expected = optionsIn(help.output);
    expected.insert({"-h", "--help", "--version"});
    const std::set<std::string> documented = optionsIn(renderedSection(rendered.output, "OPCIONES"));
    EXPECT_EQ(joined(documented), joined(expected)) << help.output;
}

TEST_P(ProgramInstalled, CarriesTheSuitesCopyrightAndChangelog) {
    const fs::path doc = prefix() / "share/doc" / GetParam().name;
    const std::string copyright = suite::testing::readFile(doc / "copyright");
    EXPECT_TRUE(
        copyright.starts_with("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"))
        << copyright;
    EXPECT_NE(copyright.find("License: GPL-3+\n"), std::string::npos);
    const ShellRun changelog = runShell("zcat " + shellQuoted(doc / "changelog.Debian.gz") + " | head -n 1");
    EXPECT_EQ(changelog.output.rfind("logicsuite (" SUITE_VERSION "-", 0), 0u) << changelog.output;
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

TEST_F(InstalledTree, ZudavirorCliLoadsItsProverWhereTheInstallationPutIt) {
    const ShellRun answer =
        runShell(shellQuoted(prefix() / "bin/zudaviror-cli") + " --valid --system S4 '!p-!!p'");
    EXPECT_EQ(answer.status, 0) << answer.output;
    EXPECT_EQ(answer.output, "válida\n");
}

TEST_F(InstalledTree, KnowsAnExerciseByItsLeadingBytes) {
    const fs::path mime = prefix() / "share/mime";
    const ShellRun update = runShell("update-mime-database " + shellQuoted(mime));
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
