#include "suite_testing/golden_cases.h"

#include "suite_testing/scratch_folder.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <sstream>

namespace suite::testing {

namespace fs = std::filesystem;

namespace {

// Makes `folder` the working folder for the lifetime of this object.
class WorkingFolder {
  public:
    explicit WorkingFolder(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~WorkingFolder() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

  private:
    fs::path previous_;
};

} // namespace

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

std::vector<std::string> goldenCaseNames(const fs::path& casesFolder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(casesFolder)) {
        if (entry.is_directory()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void expectGoldenCase(const fs::path& caseFolder, const ToolEntry& tool) {
    ASSERT_TRUE(fs::exists(caseFolder / "status")) << caseFolder << " has no status file";
    const ScratchFolder scratch;
    fs::copy(caseFolder, scratch.path(), fs::copy_options::recursive);

    std::istringstream in(readFile(caseFolder / "stdin"));
    std::ostringstream out;
    std::ostringstream err;
    int status = 0;
    {
        const WorkingFolder working(scratch.path());
        status = tool(linesOf(readFile(caseFolder / "args")), in, out, err);
    }
    EXPECT_EQ(out.str(), readFile(caseFolder / "stdout")) << "standard output of " << caseFolder;
    EXPECT_EQ(err.str(), readFile(caseFolder / "stderr")) << "standard error of " << caseFolder;
    EXPECT_EQ(status, std::stoi(readFile(caseFolder / "status"))) << "status of " << caseFolder;
}

std::string GoldenCaseName::operator()(const ::testing::TestParamInfo<std::string>& info) const {
    std::string name = info.param;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

} // namespace suite::testing
