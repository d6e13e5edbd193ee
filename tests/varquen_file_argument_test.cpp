// `varquen FILE`: the example formula files open as with Abrir; a file that cannot be read is
// refused with its reason and the window starts empty.
#include "main_window.h"

#include "varquen/formula_file.h"

#include <QLabel>

#include <gtest/gtest.h>

#include "suite_testing/scratch_folder.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Records the message boxes; nothing else is asked when a file is named.
struct RecordingHost : varquen::app::Host {
    std::vector<std::pair<QString, QString>> messages; // caption, text

    QString openFileName(const QString&) override { return {}; }
    varquen::app::SaveChoice saveFileName(const QString&, const QString&) override { return {}; }
    bool confirmReplace(const QString&) override { return false; }
    void showMessage(const QString& text, const QString& caption) override {
        messages.emplace_back(caption, text);
    }
    void showHelp(const QString&, const QString&) override {}
    void quit() override {}
};

struct FileArgument {
    const char* name;
    fs::path (*path)(const suite::testing::ScratchFolder&);
    const char* status;         // the status line after a refusal
    const char* messageCaption; // the box of a refusal, if any
};

void PrintTo(const FileArgument& argument, std::ostream* out) {
    *out << argument.name;
}

fs::path example(const char* name) {
    return fs::path(EXAMPLES_DIR) / "varquen" / name;
}

class VarquenFileArgument : public ::testing::TestWithParam<FileArgument> {};

TEST_P(VarquenFileArgument, OpensOrIsRefusedWithItsReason) {
    const suite::testing::ScratchFolder scratch;
    const fs::path path = GetParam().path(scratch);
    RecordingHost host;
    varquen::app::TForm1 window(host);

    window.openFile(QString::fromStdString(path.string()));

    const QString status = window.findChild<QLabel*>(QStringLiteral("Label7"))->text();
    // The core's reading of the same bytes is what the window must show.
    const varquen::FormulaFileRead expected =
        varquen::readFormulaFile(fs::is_regular_file(path) ? suite::testing::readFile(path) : std::string());
    if (GetParam().status == nullptr && GetParam().messageCaption == nullptr) {
        ASSERT_TRUE(expected.value.has_value()) << expected.reason;
        EXPECT_EQ(window.declarations(), expected.value->declarations);
        EXPECT_EQ(window.formula(), expected.value->formula);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_TRUE(status.isEmpty()) << status.toStdString();
        return;
    }
    EXPECT_EQ(window.declarations(), varquen::Declarations{});
    EXPECT_EQ(window.formula(), "");
    if (GetParam().status != nullptr) {
        EXPECT_EQ(status, QString::fromUtf8(GetParam().status));
    }
    if (GetParam().messageCaption != nullptr) {
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].first, QString::fromUtf8(GetParam().messageCaption));
        EXPECT_EQ(host.messages[0].second.toLatin1().toStdString(), expected.reason);
    } else {
        EXPECT_TRUE(host.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, VarquenFileArgument,
    ::testing::Values(
        FileArgument{"FirstExample", [](const auto&) { return example("primer_ejemplo.txt"); }, nullptr,
                     nullptr},
        FileArgument{"Sorts", [](const auto&) { return example("sorts.txt"); }, nullptr, nullptr},
        FileArgument{"NonEmptyUniverse", [](const auto&) { return example("universo_no_vacio.txt"); },
                     nullptr, nullptr},
        FileArgument{"FreeVariable", [](const auto&) { return example("variable_libre.txt"); }, nullptr,
                     nullptr},
        FileArgument{"NotAFormulaFile",
                     [](const suite::testing::ScratchFolder& scratch) {
                         // A line longer than any the window could have written.
                         suite::testing::writeFile(scratch / "notas.txt", "uni\n" + std::string(5000, 'A'));
                         return scratch / "notas.txt";
                     },
                     nullptr, "Error"},
        FileArgument{"Folder", [](const auto& scratch) { return scratch.path(); }, "No encuentro fichero",
                     nullptr},
        FileArgument{"Missing", [](const auto& scratch) { return scratch / "no-existe.txt"; },
                     "No encuentro fichero", nullptr}),
    [](const ::testing::TestParamInfo<FileArgument>& info) { return std::string(info.param.name); });

} // namespace
