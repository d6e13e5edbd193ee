// What osmira-cli prints on a terminal of a student's texts: `show` of an exercise holding a
// hostile text in every field it prints (verify's file names are in verify_cli_test.cpp).

#include "cli_support.h"
#include "hostile_texts.h"
#include "recording_workbench.h"
#include "suite_testing/scratch_folder.h"
#include "test_support.h"
#include "text_checks.h"

#include "osmira/archive/exercise_file.h"
#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace osmira;

namespace {

// show's output of an exercise with the text as title, author, description and step title.
std::string shown(const std::string& text) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A"}, "A", workbench);
    exercise->SetTitle(text);
    exercise->SetAuthor(text);
    exercise->SetDescription(text);
    exercise->GetSteps().front()->SetTitle(text);
    suite::testing::ScratchFolder folder;
    const std::string path = (folder / "x.omr").string();
    EXPECT_TRUE(writeExerciseFile(path, *exercise).saved());
    return test::runCli({"show", path}).out;
}

class HostileShow : public ::testing::TestWithParam<test::HostileText> {};

// No escape sequence, carriage return or bell reaches the terminal, and every field keeps its line.
TEST_P(HostileShow, PrintsEveryFieldOnItsLineWithoutControls) {
    const std::string out = shown(GetParam().bytes);
    const std::string plain = shown("Plano");
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), std::count(plain.begin(), plain.end(), '\n'));
    EXPECT_EQ(test::controlCharacters(out, "\n"), 0u);
    EXPECT_TRUE(suite::isUtf8(out));
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileShow, ::testing::ValuesIn(test::hostileTexts()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
