// `osmira FILE.omr`: the examples open as with Abrir; a file that cannot be read is refused with
// its reason and the workbench starts with no exercise.
#include "osmira_app.h"

#include "fake_host.h"

#include <gtest/gtest.h>

#include "suite_testing/scratch_folder.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace {

using osmira::workbench::COsmiraApp;
using osmira::workbench::test::FakeHost;

struct FileArgument {
    const char* name;
    std::string (*path)(const suite::testing::ScratchFolder&);
    std::size_t steps;  // 0: refused, no exercise
    const char* reason; // in the refusal
};

void PrintTo(const FileArgument& argument, std::ostream* out) {
    *out << argument.name;
}

std::string example(const char* name) {
    return (std::filesystem::path(EXAMPLES_DIR) / "osmira" / name).string();
}

class OsmiraFileArgument : public ::testing::TestWithParam<FileArgument> {};

TEST_P(OsmiraFileArgument, OpensOrIsRefusedWithItsReason) {
    const suite::testing::ScratchFolder scratch;
    const QString path = QString::fromStdString(GetParam().path(scratch));
    FakeHost host;
    COsmiraApp app(host);

    app.openFile(path);

    if (GetParam().steps == 0) {
        EXPECT_EQ(app.currentExercise(), nullptr);
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_TRUE(host.messages[0].text.contains(path)) << host.messages[0].text.toStdString();
        EXPECT_TRUE(host.messages[0].text.contains(QString::fromUtf8(GetParam().reason)))
            << host.messages[0].text.toStdString();
        return;
    }
    EXPECT_TRUE(host.messages.empty());
    ASSERT_NE(app.currentExercise(), nullptr);
    EXPECT_EQ(app.currentExercise()->GetSteps().size(), GetParam().steps);
    EXPECT_EQ(app.exercisePath(), path);
    EXPECT_FALSE(app.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, OsmiraFileArgument,
    ::testing::Values(
        FileArgument{"ModusPonensSolved", [](const auto&) { return example("modus_ponens.omr"); }, 4, ""},
        FileArgument{"ContrapositionSolved", [](const auto&) { return example("contraposicion.omr"); }, 2,
                     ""},
        FileArgument{"SyllogismUnsolved", [](const auto&) { return example("silogismo_hipotetico.omr"); }, 1,
                     ""},
        FileArgument{"Unreadable",
                     [](const suite::testing::ScratchFolder& scratch) {
                         suite::testing::writeFile(scratch / "roto.omr", "no es un ejercicio");
                         return (scratch / "roto.omr").string();
                     },
                     0, "No se ha podido abrir el ejercicio"},
        FileArgument{"Missing", [](const auto& scratch) { return (scratch / "no-existe.omr").string(); }, 0,
                     "El fichero no existe."}),
    [](const ::testing::TestParamInfo<FileArgument>& info) { return std::string(info.param.name); });

} // namespace
