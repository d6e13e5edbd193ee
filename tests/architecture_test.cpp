// ARCHITECTURE.md stays true: every folder and file its layout names, every path and file name it
// quotes, and every shared helper it names (suite::…, suite::testing::…) exists in the tree.

#include "suite_testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = SOURCE_DIR;

std::string Architecture() {
    return suite::testing::readFile(kSource / "ARCHITECTURE.md");
}

// The lines of the first code block after "## Layout".
std::vector<std::string> LayoutBlock(const std::string& text) {
    std::istringstream lines(text.substr(text.find("## Layout")));
    std::vector<std::string> block;
    bool inside = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("```", 0) == 0) {
            if (inside) {
                break;
            }
            inside = true;
        } else if (inside) {
            block.push_back(line);
        }
    }
    return block;
}

// The names of the layout's left column: a line whose first word starts before the description
// column names paths, separated by commas; two spaces in, a path inside the last top-level folder.
std::vector<std::string> LayoutPaths(const std::vector<std::string>& block) {
    const std::size_t descriptionColumn = 24;
    std::vector<std::string> paths;
    std::string folder;
    for (const std::string& line : block) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string::npos || start >= descriptionColumn) {
            continue;
        }
        const std::size_t end = line.find("  ", start);
        std::istringstream names(
            line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        for (std::string name; std::getline(names, name, ',');) {
            name.erase(0, name.find_first_not_of(' '));
            name.erase(name.find_last_not_of(' ') + 1);
            if (name.empty()) {
                continue;
            }
            if (start == 0) {
                paths.push_back(name);
                folder = name.back() == '/' ? name : std::string();
            } else {
                paths.push_back(folder + name);
            }
        }
    }
    return paths;
}

// Every `quoted` word of the text that has no blank in it.
std::vector<std::string> Quoted(const std::string& text) {
    std::vector<std::string> words;
    const std::regex quoted("`([^` ]+)`");
    for (auto match = std::sregex_iterator(text.begin(), text.end(), quoted); match != std::sregex_iterator();
         ++match) {
        words.push_back((*match)[1]);
    }
    return words;
}

bool IsBuildOrGit(const fs::path& path) {
    const std::string name = path.filename().string();
    return name.rfind("build", 0) == 0 || name == ".git";
}

// The file names of the source tree, build folders left out.
std::set<std::string> SourceFileNames() {
    std::set<std::string> names;
    for (auto entry = fs::recursive_directory_iterator(kSource); entry != fs::recursive_directory_iterator();
         ++entry) {
        if (entry->is_directory() && IsBuildOrGit(entry->path())) {
            entry.disable_recursion_pending();
        } else if (entry->is_regular_file()) {
            names.insert(entry->path().filename().string());
        }
    }
    return names;
}

// The text of every header below `folder`.
std::string Headers(const fs::path& folder) {
    std::string text;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".h") {
            text += suite::testing::readFile(entry.path());
        }
    }
    return text;
}

TEST(Architecture, EveryPathOfTheLayoutExists) {
    const std::vector<std::string> paths = LayoutPaths(LayoutBlock(Architecture()));
    EXPECT_GE(paths.size(), 25U) << "the layout block was not found or not read";
    for (const std::string& path : paths) {
        EXPECT_TRUE(fs::exists(kSource / path)) << path;
    }
}

TEST(Architecture, EveryQuotedPathExists) {
    const std::regex path(R"([A-Za-z0-9_.-]+(/[A-Za-z0-9_.-]+)*/?)");
    int checked = 0;
    for (const std::string& word : Quoted(Architecture())) {
        // Output of the build, and the tests' own data/ folder, are not in the source tree.
        if (word.find('/') == std::string::npos || word.rfind("build/", 0) == 0 || word == "data/" ||
            !std::regex_match(word, path)) {
            continue;
        }
        EXPECT_TRUE(fs::exists(kSource / word)) << word;
        ++checked;
    }
    EXPECT_GE(checked, 5);
}

TEST(Architecture, EveryQuotedFileNameExists) {
    const std::regex fileName(R"([A-Za-z0-9_-]+\.(h|cpp|md|txt|cmake|ts)|\.clang-format)");
    const std::set<std::string> names = SourceFileNames();
    int checked = 0;
    for (const std::string& word : Quoted(Architecture())) {
        if (std::regex_match(word, fileName)) {
            EXPECT_TRUE(names.count(word) == 1) << word;
            ++checked;
        }
    }
    EXPECT_GE(checked, 8);
}

// The lines of the text from the one starting with `from` to the one starting with `to`.
std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const std::size_t start = text.find(from);
    const std::size_t end = text.find(to, start);
    return start == std::string::npos ? std::string() : text.substr(start, end - start);
}

bool Mentions(const std::string& text, const std::string& name) {
    return std::regex_search(text, std::regex("\\b" + name + "\\b"));
}

// The pieces of the shared library the layout names are headers of suite/.
TEST(Architecture, EveryPieceOfTheSharedLibraryIsAHeader) {
    std::string entry;
    for (const std::string& line : LayoutBlock(Architecture())) {
        if (line.rfind("suite/", 0) == 0) {
            entry = line;
        } else if (!entry.empty() && line.rfind("    ", 0) == 0) {
            entry += line;
        } else if (!entry.empty()) {
            break;
        }
    }
    const std::string headers = Headers(kSource / "suite");
    int checked = 0;
    for (const std::string& word : Quoted(entry)) {
        if (std::regex_match(word, std::regex("[a-z][a-z0-9_]*"))) {
            EXPECT_TRUE(fs::exists(kSource / "suite/core/suite" / (word + ".h")) ||
                        fs::exists(kSource / "suite/qt/suite" / (word + ".h")))
                << word;
        } else {
            EXPECT_TRUE(Mentions(headers, word)) << word;
        }
        ++checked;
    }
    EXPECT_GE(checked, 7);
}

// Names said with their namespace are declared in the shared library or the test scaffold; the
// scaffold's pieces the tests section lists and the build helpers are found in them.
TEST(Architecture, EverySharedHelperItNamesIsDeclared) {
    const std::string text = Architecture();
    const std::string shared = Headers(kSource / "suite");
    const std::string buildHelpers = suite::testing::readFile(kSource / "cmake" / "SuiteTargets.cmake");
    const std::string scaffold = Headers(kSource / "testing") +
                                 suite::testing::readFile(kSource / "testing" / "CMakeLists.txt") +
                                 buildHelpers;
    const std::regex qualified(R"(suite::(testing::)?([A-Za-z_][A-Za-z0-9_]*))");
    int checked = 0;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), qualified);
         match != std::sregex_iterator(); ++match) {
        EXPECT_TRUE(Mentions((*match)[1].matched ? scaffold : shared, (*match)[2])) << match->str();
        ++checked;
    }
    for (const std::string& word :
         Quoted(Between(text, "- The scaffold in `testing/suite_testing/`", "- Every parameterised case"))) {
        if (std::regex_match(word, std::regex("[A-Za-z_][A-Za-z0-9_]*"))) {
            EXPECT_TRUE(Mentions(scaffold, word)) << word;
            ++checked;
        }
    }
    for (const std::string& word :
         Quoted(Between(text, "- `cmake/SuiteTargets.cmake` holds", "- Every executable lands"))) {
        if (std::regex_match(word, std::regex("[A-Za-z_][A-Za-z0-9_]*"))) {
            EXPECT_TRUE(Mentions(buildHelpers, word)) << word;
            ++checked;
        }
    }
    EXPECT_GE(checked, 20);
}

} // namespace
