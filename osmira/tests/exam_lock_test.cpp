// The exam lock's reading of the system's settings: the setting as Qt 6.4's QSettings reads each
// file (every row was checked against it), and the files in the order Qt asks them.
#include "osmira/archive/exam_lock.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace osmira {
namespace {

struct SettingCase {
    const char* name;
    std::string bytes;
    std::optional<bool> active;
};

void PrintTo(const SettingCase& c, std::ostream* os) {
    *os << c.name;
}

class HintSetting : public ::testing::TestWithParam<SettingCase> {};

TEST_P(HintSetting, IsReadAsQtReadsIt) {
    EXPECT_EQ(hintSettingIn(GetParam().bytes), GetParam().active);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HintSetting,
    ::testing::Values(
        SettingCase{"AsTheManualWritesIt", "[Pista]\nactiva=false\n", false},
        SettingCase{"BlanksAndCapitals", "  [ Pista ]  \n  activa  =\tFALSE  \n", false},
        SettingCase{"ZeroWithWindowsLineEnds", "[Pista]\r\nactiva=0\r\n", false},
        SettingCase{"EmptyWithOldMacLineEnds", "[Pista]\ractiva=\r", false},
        SettingCase{"QuotedAfterAByteOrderMark", "\xEF\xBB\xBF[Pista]\nactiva= \"false\" ; examen\n", false},
        SettingCase{"AListIsFalse", "[Pista]\nactiva=true, true", false},
        SettingCase{"AQuotedBlankIsText", "[Pista]\nactiva=\" false\"\n", true},
        SettingCase{"NoIsNotFalse", "[Pista]\nactiva=no\n", true},
        SettingCase{"AHashIsNoComment", "[Pista]\nactiva=false # examen\n", true},
        SettingCase{"TheLastLineWins", "[Pista]\nactiva=false\nactiva=true\n", true},
        SettingCase{"AlsoInARepeatedGroup",
                    "[Pista]\nactiva=true\n[Otro]\nactiva=true\n[Pista]\nactiva=false\n", false},
        SettingCase{"CommentedOut", "[Pista]\n;activa=false\n#activa=false\n", std::nullopt},
        SettingCase{"InTheGeneralGroup", "[General]\nPista\\activa=false\n", std::nullopt},
        SettingCase{"GroupAndKeyHaveTheirCase", "[pista]\nActiva=false\n", std::nullopt},
        SettingCase{"ASubgroup", "[Pista/Examen]\nactiva=false\n", std::nullopt},
        SettingCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct FilesCase {
    const char* name;
    const char* variable; // XDG_CONFIG_DIRS
    std::vector<std::string> folders;
};

void PrintTo(const FilesCase& c, std::ostream* os) {
    *os << c.name;
}

class SystemSettingsFiles : public ::testing::TestWithParam<FilesCase> {};

// Osmira.conf in every folder first, then the organisation's file in every folder.
TEST_P(SystemSettingsFiles, AreQtsSystemScope) {
    const std::string organisation = "/Local AppWizard-Generated Applications";
    std::vector<std::string> expected;
    for (const std::string& folder : GetParam().folders) {
        expected.push_back(folder + organisation + "/Osmira.conf");
    }
    for (const std::string& folder : GetParam().folders) {
        expected.push_back(folder + organisation + ".conf");
    }
    EXPECT_EQ(systemSettingsFiles(GetParam().variable), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, SystemSettingsFiles,
    ::testing::Values(FilesCase{"Unset", nullptr, {"/etc/xdg"}}, FilesCase{"Empty", "", {"/etc/xdg"}},
                      FilesCase{"InTheirOrder", "/srv/aula:relativa/", {"/srv/aula", "relativa"}},
                      FilesCase{"AnEmptyEntryIsTheRoot", "/srv/aula::", {"/srv/aula", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace osmira
