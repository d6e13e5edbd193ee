// osmira-cli verify: golden runs over files and folders (unreadable files mixed in, usage
// errors, statements compared with an assigned one), an assigned exercise that asks nothing,
// what a folder may hold beside exercises, the shape of every JSON line, a student's file
// name on the terminal and in JSON, and the escaping of JSON strings.

#include "cli_support.h"
#include "json_text.h"
#include "recording_workbench.h"
#include "run.h"
#include "suite_testing/golden_cases.h"
#include "suite_testing/scratch_folder.h"
#include "test_support.h"

#include "osmira/archive/exercise_archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include <sys/stat.h>

using namespace osmira;

namespace {

namespace fs = std::filesystem;

class VerifyGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(VerifyGolden, MatchesItsFolder) {
    suite::testing::expectGoldenCase(fs::path(TEST_DATA_DIR) / "verify-cli" / GetParam(), &cli::run);
}

INSTANTIATE_TEST_SUITE_P(Cases, VerifyGolden,
                         ::testing::ValuesIn(suite::testing::goldenCaseNames(TEST_DATA_DIR "/verify-cli")),
                         suite::testing::GoldenCaseName());

// A flat JSON object read strictly: each value's kind by key ('s' string, 'b' bool, 'n' number,
// '0' null, 'a' a list of strings); strings are decoded. Nothing when the line is not such an
// object.
struct FlatObject {
    std::map<std::string, char> kinds;
    std::map<std::string, std::string> strings;
};

std::optional<std::string> readString(const std::string& line, std::size_t& i) {
    if (line[i] != '"') {
        return std::nullopt;
    }
    std::string text;
    for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (static_cast<unsigned char>(line[i]) < 0x20) {
            return std::nullopt;
        }
        if (line[i] == '\\') {
            char escaped = line[++i];
            const std::string simple = "\"\\/bfnrt";
            if (escaped == 'u') {
                text += static_cast<char>(std::stoi(line.substr(i + 1, 4), nullptr, 16));
                i += 4;
            } else if (simple.find(escaped) != std::string::npos) {
                text += std::string("\"\\/\b\f\n\r\t")[simple.find(escaped)];
            } else {
                return std::nullopt;
            }
        } else {
            text += line[i];
        }
    }
    if (i >= line.size()) {
        return std::nullopt;
    }
    ++i;
    return text;
}

std::optional<FlatObject> readFlatObject(const std::string& line) {
    FlatObject object;
    std::size_t i = 0;
    if (line.empty() || line[i++] != '{') {
        return std::nullopt;
    }
    while (i < line.size() && line[i] != '}') {
        std::optional<std::string> key = readString(line, i);
        if (!key || line[i++] != ':') {
            return std::nullopt;
        }
        if (line[i] == '[') {
            object.kinds[*key] = 'a';
            for (++i; i < line.size() && line[i] != ']'; i += line[i] == ',' ? 1 : 0) {
                if (!readString(line, i)) {
                    return std::nullopt;
                }
            }
            if (i++ >= line.size()) {
                return std::nullopt;
            }
        } else if (line[i] == '"') {
            std::optional<std::string> value = readString(line, i);
            if (!value) {
                return std::nullopt;
            }
            object.kinds[*key] = 's';
            object.strings[*key] = *value;
        } else {
            std::size_t end = line.find_first_of(",}", i);
            std::string word = line.substr(i, end - i);
            object.kinds[*key] = word == "true" || word == "false" ? 'b'
                                 : word == "null"                  ? '0'
                                 : word.find_first_not_of("0123456789") == std::string::npos && !word.empty()
                                     ? 'n'
                                     : '?';
            i = end;
        }
        if (line[i] == ',') {
            ++i;
        }
    }
    if (i + 1 != line.size()) {
        return std::nullopt;
    }
    return object;
}

TEST(VerifyJson, EveryLineIsOneObjectWithTheKeysOfItsKindThenTheTotals) {
    std::istringstream in;
    std::ostringstream out, err;
    const std::string folder =
        (fs::path(TEST_DATA_DIR) / "verify-cli" / "folder-mixed-json" / "entregas").string();
    EXPECT_EQ(cli::run({"verify", "--json", folder}, in, out, err), 1);
    std::string text = out.str();
    const std::string totals = R"({"totals":{"resuelto":1,"incompleto":1,"paso erróneo":2,"ilegible":2}})";
    ASSERT_GT(text.size(), totals.size() + 1);
    EXPECT_EQ(text.substr(text.size() - totals.size() - 1), totals + "\n");
    std::istringstream lines(text.substr(0, text.size() - totals.size() - 1));
    std::map<std::string, std::string> kindsByFile;
    for (std::string line; std::getline(lines, line);) {
        std::optional<FlatObject> object = readFlatObject(line);
        ASSERT_TRUE(object) << line;
        std::string kinds;
        for (const char* key : {"file", "readable", "valid", "goal_reached", "steps", "first_invalid_step",
                                "rule", "reason", "derivable", "hypotheses", "conclusion", "status"}) {
            ASSERT_TRUE(object->kinds.count(key)) << key << " in " << line;
            kinds += object->kinds[key];
        }
        kindsByFile[object->strings["file"].substr(folder.size() + 1)] = kinds;
    }
    EXPECT_EQ(kindsByFile, (std::map<std::string, std::string>{
                               {"ana.omr", "sbbbn000bass"},
                               {"benito.omr", "sbbbn000ba0s"},
                               {"carla.omr", "sbbbnnssbass"},
                               {"daniel \"copia\".omr", "sbbb000s000s"},
                               {"grupo-b/elena.omr", "sbbbnn0sbass"},
                               {"vacio.omr", "sbbb000s000s"},
                           }));
}

// Each case a folder `entregas` holding one entry named .omr, verified in the scratch folder.
class VerifyFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(folder / "entregas");
        fs::current_path(folder.path());
    }
    void TearDown() override { fs::current_path(fs::temp_directory_path()); }

    fs::path exercise() const {
        return fs::path(TEST_DATA_DIR) / "verify-cli" / "files-all-valid" / "ana.omr";
    }

    suite::testing::ScratchFolder folder;
};

const std::string kAnaHolds = ": válido, objetivo alcanzado (4 pasos); enunciado: A, A→B ⊢ B";
const std::string kOneValid = "Ficheros: 1, válidos: 1, resueltos: 1, no válidos: 0, ilegibles: 0\n"
                              "Estados: resuelto 1, incompleto 0, paso erróneo 0, ilegible 0\n";
const std::string kOneUnreadable = "Ficheros: 1, válidos: 0, resueltos: 0, no válidos: 0, ilegibles: 1\n"
                                   "Estados: resuelto 0, incompleto 0, paso erróneo 0, ilegible 1\n";

// A FIFO, a device or a broken link among the exercises was once passed over in silence.
TEST_F(VerifyFolder, ListsWhatIsNamedOmrButIsNoFileWithItsReason) {
    struct Entry {
        const char* name;
        std::string linkTo; // empty: a FIFO
        std::string out;
        int status;
    };
    const std::string unreadable = "entregas/x.omr: ilegible: ";
    const std::string notRegular =
        "No es un fichero corriente, sino una tubería, un dispositivo o un socket.\n";
    const Entry entries[] = {
        {"Fifo", "", unreadable + notRegular + kOneUnreadable, 1},
        {"LinkToADevice", "/dev/zero", unreadable + notRegular + kOneUnreadable, 1},
        {"DanglingLink", "nadie.omr", unreadable + "El fichero no existe.\n" + kOneUnreadable, 1},
        {"LoopOfLinks", "x.omr",
         unreadable + "No se puede leer el fichero: los enlaces simbólicos forman un bucle.\n" +
             kOneUnreadable,
         1},
        {"LinkToAnExercise", exercise().string(), "entregas/x.omr" + kAnaHolds + "\n" + kOneValid, 0},
    };
    const fs::path at = folder / "entregas" / "x.omr";
    for (const Entry& entry : entries) {
        if (entry.linkTo.empty()) {
            ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0);
        } else {
            fs::create_symlink(entry.linkTo, at);
        }
        const test::CliOutcome outcome = test::runCli({"verify", "entregas"});
        EXPECT_EQ(outcome.out, entry.out) << entry.name;
        EXPECT_EQ(outcome.status, entry.status) << entry.name;
        fs::remove(at);
    }
}

// Files are compared with what an exercise asks, so one that asks nothing stops the command.
TEST_F(VerifyFolder, RefusesAnAssignedExerciseThatAsksNothing) {
    RecordingWorkbench workbench;
    suite::testing::writeFile(folder / "asignado.omr", SaveExercise(*test::exerciseAt("A", workbench)));
    const test::CliOutcome outcome =
        test::runCli({"verify", "--against", "asignado.omr", exercise().string()});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err,
              "osmira-cli: --against asignado.omr: el ejercicio asignado no tiene hipótesis ni conclusión\n");
}

// A Latin-1 name from an old system is shown in UTF-8, its controls spelled out.
TEST_F(VerifyFolder, ShowsALatin1NameInUtf8AndItsControlsEscaped) {
    fs::copy_file(exercise(), folder / "entregas" / "caf\xE9 \x1B[2J\r\x85.omr");
    EXPECT_EQ(test::runCli({"verify", "entregas"}).out,
              "entregas/café \\x1B[2J\\x0D\\x85.omr" + kAnaHolds + "\n" + kOneValid);
    const std::string json = R"({"file":"entregas/café \u001b[2J\r\u0085.omr",)";
    EXPECT_EQ(test::runCli({"verify", "--json", "entregas"}).out.substr(0, json.size()), json);
}

struct EscapeCase {
    const char* name;
    std::string text;
    std::string json;
};

void PrintTo(const EscapeCase& c, std::ostream* out) {
    *out << c.name;
}

class JsonStrings : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(JsonStrings, EscapeWhatJsonRequires) {
    EXPECT_EQ(cli::jsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonStrings,
    ::testing::Values(EscapeCase{"Plain", "Paso 03", "\"Paso 03\""},
                      EscapeCase{"QuotesAndBackslashes", R"(a "b" c\d)", R"("a \"b\" c\\d")"},
                      EscapeCase{"LineBreaksAndTabs", "a\r\nb\tc", R"("a\r\nb\tc")"},
                      EscapeCase{"OtherControlCharacters", std::string("a\x01\x1f", 3) + std::string(1, '\0'),
                                 R"("a\u0001\u001f\u0000")"},
                      EscapeCase{"DelAndC1",
                                 "a\x7F\xC2\x9B"
                                 "31m",
                                 R"("a\u007f\u009b31m")"},
                      EscapeCase{"Utf8KeptAsIs", "válido «R3»", "\"válido «R3»\""}),
    [](const ::testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

} // namespace
