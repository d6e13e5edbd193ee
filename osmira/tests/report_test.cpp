// The HTML report: golden pages per option combination, the date, the pictures as JPEG
// files of the expected sizes, and reports that cannot be written refused without harm.

#include "cli_support.h"
#include "hostile_texts.h"
#include "osmira/archive/exercise_file.h"
#include "painter_canvas.h"
#include "report_files.h"
#include "report_safety.h"
#include "run.h"
#include "suite_testing/golden_cases.h"
#include "suite_testing/killed_run.h"
#include "suite_testing/scratch_folder.h"
#include "suite_testing/small_disk.h"
#include "test_support.h"

#include "osmira/model/elem_grafico.h"
#include "osmira/report/informe.h"
#include "suite/file_saving.h"
#include "suite/latin1.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

using namespace osmira;
namespace fs = std::filesystem;
using suite::testing::readFile;
using suite::testing::ScratchFolder;
using suite::testing::writeFile;

namespace {

const fs::path kPages = fs::path(TEST_DATA_DIR) / "report";
const std::string kAllOnExercise = (kPages / "all-on" / "exercise.omr").string();

// One folder per case: exercise.omr, options (the eight bits; absent: the defaults) and the
// page expected.htm, written in UTC.
class ReportPage : public ::testing::TestWithParam<std::string> {};

TEST_P(ReportPage, MatchesItsFolder) {
    const test::TimeZone utc("UTC");
    const fs::path folder = kPages / GetParam();
    ScratchFolder scratch;
    std::vector<std::string> arguments{"report", (folder / "exercise.omr").string(),
                                       (scratch / "r.htm").string()};
    if (fs::exists(folder / "options")) {
        std::string bits = readFile(folder / "options");
        bits.erase(bits.find_last_not_of("\r\n") + 1);
        arguments.insert(arguments.end(), {"--options", bits});
    }
    const test::CliOutcome outcome = test::runCli(arguments);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(readFile(scratch / "r.htm"), readFile(folder / "expected.htm"));
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportPage, ::testing::ValuesIn(suite::testing::goldenCaseNames(kPages)),
                         suite::testing::GoldenCaseName());

// Usage errors and unreadable or unwritable files, through the shared golden scaffold.
class ReportCliGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(ReportCliGolden, MatchesItsFolder) {
    suite::testing::expectGoldenCase(fs::path(TEST_DATA_DIR) / "report-cli" / GetParam(), &cli::run);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportCliGolden,
                         ::testing::ValuesIn(suite::testing::goldenCaseNames(TEST_DATA_DIR "/report-cli")),
                         suite::testing::GoldenCaseName());

struct DateCase {
    const char* name;
    const char* zone;
    std::int32_t seconds;
    const char* expected;
};

void PrintTo(const DateCase& date, std::ostream* out) {
    *out << date.name;
}

class ReportDateCase : public ::testing::TestWithParam<DateCase> {};

TEST_P(ReportDateCase, IsDayMonthYearInLocalTime) {
    const test::TimeZone zone(GetParam().zone);
    EXPECT_EQ(reportDate(GetParam().seconds), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ReportDateCase,
    ::testing::Values(DateCase{"FifthOfMarch", "UTC", 983793600, "05/03/2001"},
                      DateCase{"ChristmasDay", "UTC", 1009281600, "25/12/2001"},
                      DateCase{"TwoDigitDaySingleDigitMonth", "UTC", 984830400, "17/03/2001"},
                      DateCase{"SingleDigitDayTwoDigitMonth", "UTC", 1002024000, "02/10/2001"},
                      // 23:30 UTC on the 4th is already the 5th an hour east of Greenwich.
                      DateCase{"LocalZoneIsHonoured", "CET-1", 983748600, "05/03/2001"},
                      DateCase{"LocalZoneWestOfGreenwich", "EST5", 983764800, "04/03/2001"}),
    [](const ::testing::TestParamInfo<DateCase>& info) { return std::string(info.param.name); });

struct PictureCase {
    const char* file;
    int width;
    int height;
};

void PrintTo(const PictureCase& picture, std::ostream* out) {
    *out << picture.file;
}

class ReportPicture : public ::testing::TestWithParam<PictureCase> {
  protected:
    static void SetUpTestSuite() {
        folder_ = new ScratchFolder;
        ASSERT_EQ(
            test::runCli({"report", kAllOnExercise, (*folder_ / "r.htm").string(), "--options", "11111111"})
                .status,
            0);
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }
    static ScratchFolder* folder_;
};

ScratchFolder* ReportPicture::folder_ = nullptr;

TEST_P(ReportPicture, IsJpegOfItsDrawingsSize) {
    QImageReader reader(QString::fromLatin1((*folder_ / GetParam().file).string()));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage picture = reader.read();
    ASSERT_FALSE(picture.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(picture.width(), GetParam().width);
    EXPECT_EQ(picture.height(), GetParam().height);
}

// Example pictures by the rectangles of their objects; steps by their sheets (the title's
// blank stays in the file name).
INSTANTIATE_TEST_SUITE_P(
    Files, ReportPicture,
    ::testing::Values(PictureCase{"Grafico1.jpg", 50, 50}, PictureCase{"Grafico2.jpg", 50, 50},
                      PictureCase{"Grafico3.jpg", 140, 98}, PictureCase{"Grafico4.jpg", 60, 58},
                      PictureCase{"Grafico5.jpg", 60, 18}, PictureCase{"Grafico6.jpg", 180, 98},
                      PictureCase{"Paso 01.jpg", 220, 138}, PictureCase{"Paso 02.jpg", 180, 138},
                      PictureCase{"Paso 03.jpg", 140, 138}),
    [](const ::testing::TestParamInfo<PictureCase>& info) {
        std::string name = info.param.file;
        name = name.substr(0, name.find('.'));
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(ReportPictureContent, CutOfTheSecondExampleOnWhite) {
    ScratchFolder folder;
    ASSERT_EQ(
        test::runCli({"report", kAllOnExercise, (folder / "r.htm").string(), "--options", "00000001"}).status,
        0);
    const QImage picture(QString::fromLatin1((folder / "Grafico2.jpg").string()));
    ASSERT_FALSE(picture.isNull());
    // Outside the ellipse the background is white (JPEG rings a little near the outline); at its
    // centre the cut's light grey fill.
    EXPECT_GT(qGray(picture.pixel(1, 1)), 235);
    EXPECT_NEAR(qGray(picture.pixel(25, 25)), 0xD8, 8);
}

// Steps that show one diagram share a picture only where they are drawn alike: double cuts put
// around A and taken away mark A on the steps a rule was applied at, not on the last one.
TEST(ReportPictureContent, EveryStepShowsItsOwnMarks) {
    RecordingWorkbench workbench;
    const auto exercise = test::doubleCutExercise(5, workbench);
    ScratchFolder folder;
    ASSERT_EQ(render::writeReport(*exercise, ReportOptions{}, (folder / "r.htm").string()), std::nullopt);
    for (const auto& step : exercise->GetSteps()) {
        const CElemGrafico& letter = *step->GetElements().back()->GetGraphic();
        const Rect sheet = step->GetElements().front()->GetGraphic()->GetRect();
        const QImage picture(QString::fromLatin1((folder / (step->GetTitle() + ".jpg")).string()));
        ASSERT_FALSE(picture.isNull());
        // Inside the letter's box, clear of its glyph.
        const QRgb pixel =
            picture.pixel(letter.GetRect().left - sheet.left + 2, letter.GetRect().top - sheet.top + 2);
        const Colour fill =
            letter.isMarked() ? letter.GetAppearance().markedFillColor : letter.GetAppearance().fillColor;
        EXPECT_NEAR(qGray(pixel), qGray(render::qtColour(fill).rgb()), 8) << step->GetTitle();
    }
}

// Records the paths asked for; the one named `failAt` fails.
class RecordingPictures : public ReportPictureWriter {
  public:
    explicit RecordingPictures(std::string failAt) : failAt_(std::move(failAt)) {}
    std::optional<std::string> writeDiagram(const std::string& path, const COsmiraDoc&) override {
        return record(path);
    }
    std::optional<std::string> writeDrawing(const std::string& path, int, int,
                                            const std::function<void(Canvas&)>&) override {
        return record(path);
    }
    std::vector<std::string> paths;

  private:
    std::optional<std::string> record(const std::string& path) {
        paths.push_back(path);
        return path == failAt_ ? std::optional<std::string>("fails: " + path) : std::nullopt;
    }
    std::string failAt_;
};

struct WriterCase {
    const char* name;
    std::string failAt;
    std::vector<std::string> asked;
    // The progress answers "stop" once told of this many pictures (0: never).
    int stopAt = 0;
};

void PrintTo(const WriterCase& writer, std::ostream* out) {
    *out << writer.name;
}

class InformePictures : public ::testing::TestWithParam<WriterCase> {};

const std::vector<std::string> kAllNinePictures = {"f/Paso 01.jpg",  "f/Paso 02.jpg",  "f/Paso 03.jpg",
                                                   "f/Grafico1.jpg", "f/Grafico2.jpg", "f/Grafico3.jpg",
                                                   "f/Grafico4.jpg", "f/Grafico5.jpg", "f/Grafico6.jpg"};

// The progress is told of every picture written, of the nine.
TEST_P(InformePictures, AreAskedOnceEachInPageOrderUntilOneFailsOrTheProgressStopsThem) {
    const ExerciseRead opened = readExerciseFile(kAllOnExercise);
    ASSERT_TRUE(opened.value);
    Informe informe(*opened.value);
    informe.SetOptions(true, true, true, true, true, true, true, true);
    RecordingPictures pictures(GetParam().failAt);
    std::vector<std::pair<int, int>> told;
    const ReportText report = informe.generate("f/", pictures, {}, [&told](int done, int total) {
        told.emplace_back(done, total);
        return done != GetParam().stopAt;
    });
    EXPECT_EQ(pictures.paths, GetParam().asked);
    std::vector<std::pair<int, int>> written;
    for (int done = 1; done <= static_cast<int>(pictures.paths.size()) - (GetParam().failAt.empty() ? 0 : 1);
         ++done) {
        written.emplace_back(done, 9);
    }
    EXPECT_EQ(told, written);
    const std::optional<std::string> failure =
        GetParam().stopAt > 0 ? std::optional(kInformeCancelado) : std::nullopt;
    EXPECT_EQ(report.failure,
              GetParam().failAt.empty() ? failure : std::optional("fails: " + GetParam().failAt));
    // The page does not depend on the pictures.
    RecordingPictures all("");
    EXPECT_EQ(report.page, informe.generate("f/", all).page);
}

INSTANTIATE_TEST_SUITE_P(
    Writers, InformePictures,
    ::testing::Values(WriterCase{"AllWritten", "", kAllNinePictures},
                      WriterCase{"StepFails", "f/Paso 02.jpg", {"f/Paso 01.jpg", "f/Paso 02.jpg"}},
                      WriterCase{"ExampleFails",
                                 "f/Grafico4.jpg",
                                 {"f/Paso 01.jpg", "f/Paso 02.jpg", "f/Paso 03.jpg", "f/Grafico1.jpg",
                                  "f/Grafico2.jpg", "f/Grafico3.jpg", "f/Grafico4.jpg"}},
                      WriterCase{"StoppedAtTheSecond", "", {"f/Paso 01.jpg", "f/Paso 02.jpg"}, 2},
                      WriterCase{"StoppedAtTheLast", "", kAllNinePictures, 9}),
    [](const ::testing::TestParamInfo<WriterCase>& info) { return std::string(info.param.name); });

// Root ignores folder permissions, so each case puts a folder where a file must go, which
// fails for root too.
struct BlockedCase {
    const char* name;
    const char* options;
    const char* folderInTheWay; // relative to the scratch folder
    const char* reportPath;     // relative to the scratch folder
    const char* named;          // the path the reason names, relative to the scratch folder
};

void PrintTo(const BlockedCase& blocked, std::ostream* out) {
    *out << blocked.name;
}

class ReportBlocked : public ::testing::TestWithParam<BlockedCase> {};

TEST_P(ReportBlocked, IsRefusedNamingThePathAndLeavesTheOldPage) {
    const BlockedCase& blocked = GetParam();
    ScratchFolder folder;
    fs::create_directories(folder / blocked.folderInTheWay);
    writeFile(folder / "r.htm", "old page");
    const test::CliOutcome outcome = test::runCli(
        {"report", kAllOnExercise, (folder / blocked.reportPath).string(), "--options", blocked.options});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find((folder / blocked.named).string() + ": "), std::string::npos) << outcome.err;
    EXPECT_EQ(readFile(folder / "r.htm"), "old page");
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "r.htm" || name.find("r.htm") == std::string::npos) << "left behind: " << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportBlocked,
    ::testing::Values(BlockedCase{"StepPicture", "11111100", "Paso 02.jpg", "r.htm", "Paso 02.jpg"},
                      BlockedCase{"ExamplePicture", "00000001", "Grafico3.jpg", "r.htm", "Grafico3.jpg"},
                      BlockedCase{"PageIsAFolder", "11111111", "informe.htm", "informe.htm", "informe.htm"}),
    [](const ::testing::TestParamInfo<BlockedCase>& info) { return std::string(info.param.name); });

// Every file of a folder with its bytes, to see that a refused report changed nothing.
std::map<std::string, std::string> folderContents(const fs::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::directory_iterator(folder)) {
        contents[entry.path().filename().string()] =
            fs::is_symlink(entry.path()) ? "link" : readFile(entry.path());
    }
    return contents;
}

struct RefusedPage {
    const char* name;
    std::function<void(const fs::path& page)> prepare;
    const char* reason;
};

// A report once exited 0 on a full disk with its page emptied, and replaced a loop of links.
TEST(ReportRefused, LeavesTheOldReportAsItWas) {
    const RefusedPage table[] = {
        {"read-only page",
         [](const fs::path& page) {
             fs::permissions(page, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         ": el fichero es de solo lectura"},
        {"loop of links",
         [](const fs::path& page) {
             fs::remove(page);
             fs::create_symlink("r2.htm", page);
             fs::create_symlink("r.htm", page.parent_path() / "r2.htm");
         },
         ": no se puede seguir el enlace"},
        {"full disk", [](const fs::path&) {}, ": no se puede escribir el fichero: el disco está lleno"},
    };
    for (const RefusedPage& row : table) {
        ScratchFolder folder;
        suite::testing::SmallDisk disk(folder / "disk", 4 << 20);
        if (!disk.mounted()) {
            GTEST_SKIP() << disk.whyNot();
        }
        const fs::path page = disk.path() / "r.htm";
        ASSERT_EQ(test::runCli({"report", kAllOnExercise, page.string(), "--options", "10000000"}).status, 0);
        row.prepare(page);
        disk.fill();
        const std::map<std::string, std::string> before = folderContents(disk.path());
        const test::CliOutcome outcome =
            test::runCli({"report", kAllOnExercise, page.string(), "--options", "11111111"});
        EXPECT_EQ(outcome.status, 1) << row.name;
        EXPECT_NE(outcome.err.find(row.reason), std::string::npos) << row.name << ": " << outcome.err;
        EXPECT_EQ(folderContents(disk.path()), before) << row.name;
    }
}

// Files that one command writes together: the report's page and pictures, verify's page and CSV.
struct GroupedOutput {
    const char* name;
    // osmira-cli's arguments writing the first or the second version of the files into the folder.
    std::function<std::vector<std::string>(const fs::path& folder, bool second)> arguments;
    std::vector<std::string> files;
};

void PrintTo(const GroupedOutput& output, std::ostream* out) {
    *out << output.name;
}

const std::string kOtherExercise = std::string(EXAMPLES_DIR) + "/modus_ponens.omr";

std::vector<GroupedOutput> groupedOutputs() {
    return {
        {"Report",
         [](const fs::path& folder, bool second) {
             return std::vector<std::string>{"report", second ? kAllOnExercise : kOtherExercise,
                                             (folder / "r.htm").string(), "--options", "11111100"};
         },
         {"Paso 01.jpg", "Paso 02.jpg", "Paso 03.jpg", "r.htm"}},
        {"ClassPage",
         [](const fs::path& folder, bool second) {
             return std::vector<std::string>{"verify", second ? kAllOnExercise : kOtherExercise,
                                             "--html", (folder / "c.htm").string(),
                                             "--csv",  (folder / "c.csv").string()};
         },
         {"c.csv", "c.htm"}},
    };
}

std::map<std::string, std::string> outputIn(const fs::path& folder, const GroupedOutput& output) {
    std::map<std::string, std::string> files;
    for (const std::string& name : output.files) {
        files[name] = fs::exists(folder / name) ? readFile(folder / name) : "(none)";
    }
    return files;
}

std::string commandLine(const std::vector<std::string>& arguments) {
    std::string line = OSMIRA_CLI;
    for (const std::string& argument : arguments) {
        line += " '" + argument + "'";
    }
    return line + " >/dev/null 2>&1";
}

class GroupedFiles : public ::testing::TestWithParam<GroupedOutput> {
  protected:
    // Each version written alone, as a reference.
    std::map<std::string, std::string> reference(bool second) const {
        const ScratchFolder folder;
        (void)test::runCli(GetParam().arguments(folder.path(), second));
        return outputIn(folder.path(), GetParam());
    }
};

// Killed at each rename of its files, written over the first version, the command leaves one
// version whole, or its journal, which the next save into the folder finishes.
TEST_P(GroupedFiles, AKillAtAnyRenameLeavesOneVersionOnceTheFolderIsNextSavedInto) {
    const auto first = reference(false);
    const auto second = reference(true);
    ASSERT_NE(first, second);
    for (int n = 1; n <= static_cast<int>(GetParam().files.size()); ++n) {
        const ScratchFolder folder;
        (void)test::runCli(GetParam().arguments(folder.path(), false));
        const suite::testing::KilledRun run = suite::testing::runKilledAtCall(
            commandLine(GetParam().arguments(folder.path(), true)), "rename", n);
        if (run == suite::testing::KilledRun::NoStrace) {
            GTEST_SKIP() << "strace is not installed";
        }
        ASSERT_EQ(run, suite::testing::KilledRun::Killed) << n;
        const auto killed = outputIn(folder.path(), GetParam());
        if (killed != first && killed != second) {
            EXPECT_TRUE(fs::exists(folder / ".guardando.lista")) << n;
        }
        ASSERT_TRUE(suite::replaceFile((folder / "x.omr").string(), "x").saved());
        EXPECT_EQ(outputIn(folder.path(), GetParam()), second) << n;
    }
}

// Two runs writing the two versions at the same moment leave one of them whole.
TEST_P(GroupedFiles, TwoRunsAtOnceLeaveOneVersionWhole) {
    const auto first = reference(false);
    const auto second = reference(true);
    const ScratchFolder folder;
    const std::string pair = "sh -c \"" + commandLine(GetParam().arguments(folder.path(), false)) + " & " +
                             commandLine(GetParam().arguments(folder.path(), true)) + " & wait\"";
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(std::system(pair.c_str()), 0) << i;
        const auto written = outputIn(folder.path(), GetParam());
        EXPECT_TRUE(written == first || written == second) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Outputs, GroupedFiles, ::testing::ValuesIn(groupedOutputs()),
                         [](const ::testing::TestParamInfo<GroupedOutput>& info) {
                             return std::string(info.param.name);
                         });

// A title or comment is written as it is: one holding a placeholder's name was filled in
// again at every later step, doubling the page each time. Such a title is no plain file name
// ("#" starts a link's fragment), so the pictures take derived names of their own.
TEST(InformePage, TitlesAndCommentsHoldingPlaceholdersAppearOnceAsWritten) {
    const ExerciseRead opened = readExerciseFile(kAllOnExercise);
    ASSERT_TRUE(opened.value);
    CEjercicio& exercise = *opened.value;
    while (exercise.GetSteps().size() < 16) {
        exercise.adoptStep(std::make_unique<COsmiraDoc>());
    }
    for (const auto& step : exercise.GetSteps()) {
        step->SetTitle("#Archivo#Archivo#Titulo");
        step->SetComment("#Coment#Titulo");
    }
    Informe informe(exercise);
    informe.SetOptions(true, true, true, true, true, true, true, true);
    RecordingPictures pictures("");
    const std::string page = informe.generate("", pictures).page;
    const auto count = [&page](const std::string& text) {
        std::size_t found = 0;
        for (std::size_t at = page.find(text); at != std::string::npos; at = page.find(text, at + 1)) {
            ++found;
        }
        return found;
    };
    EXPECT_EQ(count("<IMG SRC=\"_Archivo_Archivo_Titulo.jpg\">"), 1u);
    EXPECT_EQ(count("<IMG SRC=\"_Archivo_Archivo_Titulo (16).jpg\">"), 1u);
    EXPECT_EQ(count("<B> #Archivo#Archivo#Titulo </B> <BR>\n #Coment#Titulo </P>"), 16u);
}

// Every text of a handed-in exercise shows as typed, in every field: all five once ran as script
// in the teacher's browser, and a step's title chose where its picture was written.
class HostileReport : public ::testing::TestWithParam<test::HostileText> {};

TEST_P(HostileReport, ShowsItsTextsAsTypedWithEveryPictureInTheFolder) {
    const ExerciseRead opened = readExerciseFile(kAllOnExercise);
    ASSERT_TRUE(opened.value);
    CEjercicio& exercise = *opened.value;
    const std::string& text = GetParam().bytes;
    test::setEveryText(exercise, text);
    EXPECT_EQ(test::reportFault(exercise, "Paso 01.jpg"), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileReport, ::testing::ValuesIn(test::hostileTexts()),
                         [](const ::testing::TestParamInfo<test::HostileText>& info) {
                             return std::string(info.param.name);
                         });

TEST(InformePage, MarkupCharactersOfAPlainTextShowAsTyped) {
    const ExerciseRead opened = readExerciseFile(kAllOnExercise);
    ASSERT_TRUE(opened.value);
    opened.value->GetSteps()[0]->SetComment("A<B & \"C\">D");
    Informe informe(*opened.value);
    informe.SetOptions(false, false, false, false, false, false, true, false);
    RecordingPictures pictures("");
    EXPECT_NE(informe.generate("", pictures).page.find(" A&lt;B &amp; &quot;C&quot;&gt;D </P>"),
              std::string::npos);
}

} // namespace
