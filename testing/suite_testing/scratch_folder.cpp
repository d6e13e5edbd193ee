#include "suite_testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>

namespace suite::testing {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    EXPECT_TRUE(out.good()) << "cannot write " << path;
}

namespace {

std::string uniqueName() {
    static std::atomic<unsigned> made{0};
    std::string name = "suite-test";
    if (const auto* test = ::testing::UnitTest::GetInstance()->current_test_info()) {
        name += std::string("-") + test->test_suite_name() + "-" + test->name();
    }
    std::replace(name.begin(), name.end(), '/', '-');
    return name + "-" + std::to_string(::getpid()) + "-" + std::to_string(made++);
}

} // namespace

ScratchFolder::ScratchFolder() : path_(std::filesystem::temp_directory_path() / uniqueName()) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
}

} // namespace suite::testing
