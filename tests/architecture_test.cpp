// ARCHITECTURE.md stays true: every folder and file its layout names, every path and file name it
// quotes, and every shared helper it names (suite::…, suite::testing::…) exists in the tree.
// osmira's core rooms include only the rooms their libraries link, and functions follow the one
// naming rule.

#include "suite_testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = SOURCE_DIR;

std::string architecture() {
    return suite::testing::readFile(kSource / "ARCHITECTURE.md");
}

// The lines of the first code block after "## Layout".
std::vector<std::string> layoutBlock(const std::string& text) {
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
std::vector<std::string> layoutPaths(const std::vector<std::string>& block) {
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
std::vector<std::string> quotedWords(const std::string& text) {
    std::vector<std::string> words;
    const std::regex quoted("`([^` ]+)`");
    for (auto match = std::sregex_iterator(text.begin(), text.end(), quoted); match != std::sregex_iterator();
         ++match) {
        words.push_back((*match)[1]);
    }
    return words;
}

bool isBuildOrGit(const fs::path& path) {
    const std::string name = path.filename().string();
    return name.rfind("build", 0) == 0 || name == ".git";
}

// The file names of the source tree, build folders left out.
std::set<std::string> sourceFileNames() {
    std::set<std::string> names;
    for (auto entry = fs::recursive_directory_iterator(kSource); entry != fs::recursive_directory_iterator();
         ++entry) {
        if (entry->is_directory() && isBuildOrGit(entry->path())) {
            entry.disable_recursion_pending();
        } else if (entry->is_regular_file()) {
            names.insert(entry->path().filename().string());
        }
    }
    return names;
}

// The text of every header below `folder`.
std::string headersBelow(const fs::path& folder) {
    std::string text;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".h") {
            text += suite::testing::readFile(entry.path());
        }
    }
    return text;
}

TEST(Architecture, EveryPathOfTheLayoutExists) {
    const std::vector<std::string> paths = layoutPaths(layoutBlock(architecture()));
    EXPECT_GE(paths.size(), 25U) << "the layout block was not found or not read";
    for (const std::string& path : paths) {
        EXPECT_TRUE(fs::exists(kSource / path)) << path;
    }
}

TEST(Architecture, EveryQuotedPathExists) {
    const std::regex path(R"([A-Za-z0-9_.-]+(/[A-Za-z0-9_.-]+)*/?)");
    int checked = 0;
    for (const std::string& word : quotedWords(architecture())) {
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
    const std::set<std::string> names = sourceFileNames();
    int checked = 0;
    for (const std::string& word : quotedWords(architecture())) {
        if (std::regex_match(word, fileName)) {
            EXPECT_TRUE(names.count(word) == 1) << word;
            ++checked;
        }
    }
    EXPECT_GE(checked, 8);
}

// The lines of the text from the one starting with `from` to the one starting with `to`.
std::string between(const std::string& text, const std::string& from, const std::string& to) {
    const std::size_t start = text.find(from);
    const std::size_t end = text.find(to, start);
    return start == std::string::npos ? std::string() : text.substr(start, end - start);
}

bool mentions(const std::string& text, const std::string& name) {
    return std::regex_search(text, std::regex("\\b" + name + "\\b"));
}

// The shared library's folders: Qt-free, with Z3, with Qt.
constexpr std::array<const char*, 3> kSuiteRooms{"core", "z3", "qt"};

// The pieces of the shared library the layout names are headers of suite/.
TEST(Architecture, EveryPieceOfTheSharedLibraryIsAHeader) {
    std::string entry;
    for (const std::string& line : layoutBlock(architecture())) {
        if (line.rfind("suite/", 0) == 0) {
            entry = line;
        } else if (!entry.empty() && line.rfind("    ", 0) == 0) {
            entry += line;
        } else if (!entry.empty()) {
            break;
        }
    }
    const std::string suiteHeaders = headersBelow(kSource / "suite");
    int checked = 0;
    for (const std::string& word : quotedWords(entry)) {
        if (std::regex_match(word, std::regex("[a-z][a-z0-9_]*"))) {
            EXPECT_TRUE(std::any_of(kSuiteRooms.begin(), kSuiteRooms.end(), [&word](const char* room) {
                return fs::exists(kSource / "suite" / room / "suite" / (word + ".h"));
            })) << word;
        } else {
            EXPECT_TRUE(mentions(suiteHeaders, word)) << word;
        }
        ++checked;
    }
    EXPECT_GE(checked, 7);
}

// Names said with their namespace are declared in the shared library or the test scaffold; the
// scaffold's pieces the tests section lists and the build helpers are found in them.
TEST(Architecture, EverySharedHelperItNamesIsDeclared) {
    const std::string text = architecture();
    const std::string shared = headersBelow(kSource / "suite");
    const std::string buildHelpers = suite::testing::readFile(kSource / "cmake" / "SuiteTargets.cmake");
    const std::string scaffold = headersBelow(kSource / "testing") +
                                 suite::testing::readFile(kSource / "testing" / "CMakeLists.txt") +
                                 buildHelpers;
    const std::regex qualified(R"(suite::(testing::)?([A-Za-z_][A-Za-z0-9_]*))");
    int checked = 0;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), qualified);
         match != std::sregex_iterator(); ++match) {
        EXPECT_TRUE(mentions((*match)[1].matched ? scaffold : shared, (*match)[2])) << match->str();
        ++checked;
    }
    for (const std::string& word : quotedWords(
             between(text, "- The scaffold in `testing/suite_testing/`", "- Every parameterised case"))) {
        if (std::regex_match(word, std::regex("[A-Za-z_][A-Za-z0-9_]*"))) {
            EXPECT_TRUE(mentions(scaffold, word)) << word;
            ++checked;
        }
    }
    for (const std::string& word :
         quotedWords(between(text, "- `cmake/SuiteTargets.cmake` holds", "- Every executable lands"))) {
        if (std::regex_match(word, std::regex("[A-Za-z_][A-Za-z0-9_]*"))) {
            EXPECT_TRUE(mentions(buildHelpers, word)) << word;
            ++checked;
        }
    }
    EXPECT_GE(checked, 20);
}

// The source files of the programs, their shared library, tools, tests and benchmarks.
std::vector<fs::path> sourceFiles() {
    std::vector<fs::path> files;
    for (const char* folder :
         {"osmira", "varquen", "zudaviror", "suite", "testing", "tests", "fuzz", "benchmarks"}) {
        for (const auto& entry : fs::recursive_directory_iterator(kSource / folder)) {
            const fs::path extension = entry.path().extension();
            if (entry.is_regular_file() && (extension == ".cpp" || extension == ".h")) {
                files.push_back(entry.path());
            }
        }
    }
    return files;
}

// The words and signs of a source, without its comments, strings and characters, which may say
// anything. Scanned by hand: a regular expression over the whole tree is too slow under sanitizers.
std::vector<std::string> tokensOf(const std::string& source) {
    std::vector<std::string> tokens;
    const auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; };
    const auto past = [&](std::size_t found, std::size_t length) {
        return found == std::string::npos ? source.size() : found + length;
    };
    std::size_t at = 0;
    while (at < source.size()) {
        const char c = source[at];
        if (source.compare(at, 2, "//") == 0) {
            at = past(source.find('\n', at), 0);
        } else if (source.compare(at, 2, "/*") == 0) {
            at = past(source.find("*/", at + 2), 2);
        } else if (source.compare(at, 2, "R\"") == 0) {
            const std::size_t open = past(source.find('(', at), 0);
            const std::string close = ")" + source.substr(at + 2, open - at - 2) + "\"";
            at = past(source.find(close, open), close.size());
        } else if (c == '"' || c == '\'') {
            for (++at; at < source.size() && source[at] != c && source[at] != '\n'; ++at) {
                at += source[at] == '\\' ? 1 : 0;
            }
            ++at;
        } else if (word(c)) {
            const std::size_t begin = at;
            while (at < source.size() && word(source[at])) {
                ++at;
            }
            tokens.push_back(source.substr(begin, at - begin));
        } else {
            if (std::isspace(static_cast<unsigned char>(c)) == 0) {
                tokens.emplace_back(1, c);
            }
            ++at;
        }
        at = std::min(at, source.size());
    }
    return tokens;
}

bool isPascalCase(const std::string& name) {
    return name.size() > 1 && std::isupper(static_cast<unsigned char>(name[0])) != 0 &&
           std::islower(static_cast<unsigned char>(name[1])) != 0;
}

// Whether the name at `at`, followed by "(", is declared or defined there: a type, a pointer or
// reference sign or a class's "::" comes before it, not a call's keyword or operator.
bool declaresFunction(const std::vector<std::string>& tokens, std::size_t at) {
    if (at == 0 || at + 1 >= tokens.size() || tokens[at + 1] != "(") {
        return false;
    }
    static const std::set<std::string> calling{"return", "new", "throw", "else", "emit", "case", "co_return"};
    // A qualified name (A::B::f) declares when what comes before the qualifiers would: a
    // temporary such as `= ns::Type()` does not.
    while (at >= 3 && tokens[at - 1] == ":" && tokens[at - 2] == ":") {
        at -= 3;
    }
    if (at == 0) {
        return true;
    }
    const std::string& before = tokens[at - 1];
    if (before == ":") {
        return false; // a constructor's initializer of a base
    }
    if (before == ">") {
        return tokens[at - 2] != "-"; // a template's close, not a member call's arrow
    }
    return before == "*" || before == "&" ||
           ((std::isalnum(static_cast<unsigned char>(before[0])) != 0 || before[0] == '_') &&
            calling.count(before) == 0);
}

// The rooms of osmira's core and, for each, the rooms its library links, directly or through
// another room: read from the build file, the one place that orders them.
std::map<std::string, std::set<std::string>> osmiraRoomsUsable() {
    const std::string build = suite::testing::readFile(kSource / "osmira/core/CMakeLists.txt");
    const std::regex library(R"(suite_core_library\(osmira_(\w+))");
    const std::regex links(R"(target_link_libraries\(osmira_(\w+) PUBLIC([^)]*)\))");
    const std::regex linked(R"(osmira_(\w+))");
    std::map<std::string, std::set<std::string>> usable;
    for (auto it = std::sregex_iterator(build.begin(), build.end(), library); it != std::sregex_iterator();
         ++it) {
        usable[(*it)[1]];
    }
    for (auto it = std::sregex_iterator(build.begin(), build.end(), links); it != std::sregex_iterator();
         ++it) {
        const std::string list = (*it)[2];
        for (auto room = std::sregex_iterator(list.begin(), list.end(), linked);
             room != std::sregex_iterator(); ++room) {
            std::set<std::string>& mine = usable[(*it)[1]];
            mine.insert((*room)[1]);
            mine.insert(usable[(*room)[1]].begin(), usable[(*room)[1]].end()); // rooms come in order
        }
    }
    return usable;
}

TEST(Architecture, OsmirasCoreRoomsIncludeOnlyTheRoomsTheyLink) {
    const std::map<std::string, std::set<std::string>> usable = osmiraRoomsUsable();
    ASSERT_GE(usable.size(), 8U);
    const std::regex include(R"(#include "osmira/(\w+)/)");
    std::vector<std::string> against;
    std::size_t files = 0;
    for (const fs::directory_entry& entry :
         fs::recursive_directory_iterator(kSource / "osmira/core/osmira")) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const std::string room = entry.path().parent_path().filename().string();
        ++files;
        const std::string text = suite::testing::readFile(entry.path());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), include); it != std::sregex_iterator();
             ++it) {
            const std::string used = (*it)[1];
            if (used != room && (usable.count(room) == 0 || usable.at(room).count(used) == 0)) {
                against.push_back(entry.path().filename().string() + " (" + room + ") → " + used);
            }
        }
    }
    EXPECT_TRUE(against.empty()) << ::testing::PrintToString(against);
    EXPECT_GE(files, 80U);
}

// For every token, the name of the class or struct whose body it stands in (innermost), or "".
std::vector<std::string> classScopes(const std::vector<std::string>& tokens) {
    std::vector<std::string> scopes(tokens.size());
    std::vector<std::pair<std::size_t, std::string>> open; // (brace depth, class)
    std::string pending;                                   // a class whose body comes next
    bool naming = false; // between "class" and its bases or body: the last word is its name
    std::size_t depth = 0;
    for (std::size_t at = 0; at < tokens.size(); ++at) {
        const std::string& token = tokens[at];
        const bool word = std::isalpha(static_cast<unsigned char>(token[0])) != 0 || token[0] == '_';
        if (token == "class" || token == "struct") {
            naming = true;
        } else if (naming && word && token != "final") {
            pending = token;
        } else if (token == ";" || token == "(" || (naming && token == ">")) {
            pending.clear(); // a declaration, a template parameter or an elaborated type
            naming = false;
        } else if (token == ":") {
            naming = false;
        }
        if (token == "{") {
            naming = false;
            ++depth;
            if (!pending.empty()) {
                open.emplace_back(depth, pending);
                pending.clear();
            }
        } else if (token == "}") {
            naming = false;
            if (!open.empty() && open.back().first == depth) {
                open.pop_back();
            }
            depth -= depth > 0 ? 1 : 0;
        }
        scopes[at] = open.empty() ? std::string() : open.back().second;
    }
    return scopes;
}

// Functions are named in lowerCamelCase; a name in PascalCase is a type, one the design spells
// (with the Get/Set accessors of its attributes), or a hook a library calls by name.
TEST(Architecture, FunctionsFollowTheOneNamingRule) {
    const std::set<std::string> spelled{"AddChild",
                                        "AddStep",
                                        "AppendStep",
                                        "ApplyRule",
                                        "BuildDiagram",
                                        "CheckFormulaSyntax",
                                        "Commit",
                                        "ConvertFormula",
                                        "CreateElement",
                                        "CreateExercise",
                                        "Draw",
                                        "DrawHighlighted",
                                        "HitTest",
                                        "IsEmpty",
                                        "IsFull",
                                        "LoadExercise",
                                        "Locate",
                                        "Mark",
                                        "NumberNewStep",
                                        "Open",
                                        "OpenWindow",
                                        "Pop",
                                        "Push",
                                        "Redraw",
                                        "RefreshComment",
                                        "Refuse",
                                        "RemoveStep",
                                        "ReopenAfterReading",
                                        "RuleItem",
                                        "SaveExercise",
                                        "SelectedStep",
                                        "ShowExerciseMenu",
                                        "ShowStartMenu",
                                        "Size",
                                        "Span",
                                        "StepItem",
                                        "Top",
                                        "Unmark",
                                        "Nuevo1Click",
                                        "Abrir1Click",
                                        "Guardar1Click",
                                        "Salvar1Click",
                                        "Generar1Click",
                                        "Salir1Click",
                                        "Ayuda1Click",
                                        "SetUp",
                                        "TearDown",
                                        "SetUpTestSuite",
                                        "TearDownTestSuite",
                                        "PrintTo",
                                        "LLVMFuzzerTestOneInput",
                                        "DoNotOptimize",
                                        "Values",
                                        "ValuesIn",
                                        "Range",
                                        "InitGoogleTest",
                                        "PrintToString"};
    std::set<std::string> offending;
    std::size_t constructors = 0;
    for (const fs::path& file : sourceFiles()) {
        const std::vector<std::string> tokens = tokensOf(suite::testing::readFile(file));
        std::vector<std::string> classes = classScopes(tokens);
        for (std::size_t at = 0; at < tokens.size(); ++at) {
            const std::string& name = tokens[at];
            const bool pointerType = at + 2 < tokens.size() && tokens[at + 2] == "*"; // T (*f)()
            if (!isPascalCase(name) || pointerType || at + 1 >= tokens.size() || tokens[at + 1] != "(") {
                continue;
            }
            // A constructor: Name::Name( outside its class, Name( within it.
            const bool outOfClass =
                at >= 3 && tokens[at - 1] == ":" && tokens[at - 2] == ":" && tokens[at - 3] == name;
            if (outOfClass || (classes[at] == name && declaresFunction(tokens, at))) {
                ++constructors;
            } else if (declaresFunction(tokens, at) && spelled.count(name) == 0 &&
                       name.rfind("Get", 0) != 0 && name.rfind("Set", 0) != 0) {
                offending.insert(name);
            }
        }
    }
    EXPECT_TRUE(offending.empty()) << ::testing::PrintToString(offending);
    EXPECT_GE(constructors, 100U);
}

// The spans of tokens inside a namespace that holds nothing but `inline constexpr` codes
// (varquen's token codes, zudaviror's FormulaCode): an alphabet, whose codes are named as the
// enumerators they stand for.
std::vector<bool> insideCodeTables(const std::vector<std::string>& tokens) {
    std::vector<bool> inside(tokens.size(), false);
    for (std::size_t at = 0; at + 2 < tokens.size(); ++at) {
        // A program's own namespace holds more than codes, even in a header that holds only them.
        static const std::set<std::string> programs{"osmira", "suite", "varquen", "zudaviror"};
        if (tokens[at] != "namespace" || tokens[at + 2] != "{" || programs.count(tokens[at + 1]) != 0) {
            continue;
        }
        std::size_t close = at + 3;
        bool onlyCodes = true;
        for (bool statementStart = true; close < tokens.size() && tokens[close] != "}"; ++close) {
            if (statementStart && (tokens[close] != "inline" || close + 1 >= tokens.size() ||
                                   tokens[close + 1] != "constexpr")) {
                onlyCodes = false;
            }
            statementStart = tokens[close] == ";";
        }
        if (onlyCodes) {
            std::fill(inside.begin() + static_cast<std::ptrdiff_t>(at),
                      inside.begin() + static_cast<std::ptrdiff_t>(close), true);
        }
    }
    return inside;
}

// The name a `const` or `constexpr` at `at` declares with a value (`= …` or `{…}`), or nothing
// for a parameter, a cast or a function.
std::string constantDeclaredAt(const std::vector<std::string>& tokens, std::size_t at) {
    for (std::size_t next = at + 1; next < tokens.size(); ++next) {
        const std::string& token = tokens[next];
        const bool qualifier = token == ":" && (tokens[next - 1] == ":" ||
                                                (next + 1 < tokens.size() && tokens[next + 1] == ":"));
        if (token == ";" || token == "(" || token == ")" || (token == ":" && !qualifier)) {
            return {}; // a range-for's ":" ends a loop variable, "::" goes on
        }
        if (token != "=" && token != "{") {
            continue;
        }
        std::size_t name = next - 1;
        if (tokens[name] == "]") { // an array: Name[] or Name[N]
            while (name > at && tokens[name] != "[") {
                --name;
            }
            --name;
        }
        return name > at ? tokens[name] : std::string();
    }
    return {};
}

// Constants are named kLikeThis, except the codes of an alphabet and the names the design spells.
TEST(Architecture, ConstantsFollowTheOneNamingRule) {
    const std::set<std::string> spelled{"SymbolChars"};
    std::set<std::string> offending;
    std::size_t constants = 0;
    for (const fs::path& file : sourceFiles()) {
        const std::vector<std::string> tokens = tokensOf(suite::testing::readFile(file));
        const std::vector<bool> codes = insideCodeTables(tokens);
        for (std::size_t at = 0; at < tokens.size(); ++at) {
            if (tokens[at] != "const" && tokens[at] != "constexpr") {
                continue;
            }
            const std::string name = constantDeclaredAt(tokens, at);
            if (name.empty()) {
                continue;
            }
            ++constants;
            if (isPascalCase(name) && !codes[at] && spelled.count(name) == 0) {
                offending.insert(name + " (" + file.filename().string() + ")");
            }
        }
    }
    EXPECT_TRUE(offending.empty()) << ::testing::PrintToString(offending);
    EXPECT_GE(constants, 500U);
}

// Every word of the sources, their strings and comments, their build files and help pages.
std::set<std::string> wordsOfTheTree() {
    std::set<std::string> words;
    static const std::set<std::string> read{".h", ".cpp", ".txt", ".cmake", ".scd", ".html", ".ts", ".qrc"};
    for (auto entry = fs::recursive_directory_iterator(kSource); entry != fs::recursive_directory_iterator();
         ++entry) {
        if (entry->is_directory() && isBuildOrGit(entry->path())) {
            entry.disable_recursion_pending();
        } else if (entry->is_regular_file() && read.count(entry->path().extension().string()) != 0) {
            const std::string text = suite::testing::readFile(entry->path());
            const std::regex word("[A-Za-z0-9_]+");
            for (auto match = std::sregex_iterator(text.begin(), text.end(), word);
                 match != std::sregex_iterator(); ++match) {
                words.insert(match->str());
            }
        }
    }
    return words;
}

// What a program's design note names in `code` exists: a path (from the program's folder or the
// top, a pair of .h and .cpp by its base name), and each part of a name (`Keypad::pressKey`).
TEST(Architecture, EveryDesignNoteNamesWhatExists) {
    const std::set<std::string> words = wordsOfTheTree();
    const std::regex path(R"([A-Za-z0-9_.-]+(/[A-Za-z0-9_.-]+)+/?)");
    const std::regex name(R"(([A-Za-z_][A-Za-z0-9_]*(::[A-Za-z_][A-Za-z0-9_]*)*)(\(\))?)");
    int checked = 0;
    for (const char* program : {"osmira", "varquen", "zudaviror"}) {
        const fs::path folder = kSource / program;
        for (const std::string& word : quotedWords(suite::testing::readFile(folder / "DESIGN.md"))) {
            std::smatch parts;
            if (std::regex_match(word, parts, name)) {
                std::istringstream names(std::regex_replace(parts[1].str(), std::regex("::"), " "));
                for (std::string part; names >> part;) {
                    EXPECT_EQ(words.count(part), 1U) << program << ": " << word;
                }
                ++checked;
            } else if (std::regex_match(word, path)) {
                const std::array<fs::path, 2> bases{folder, kSource};
                const bool found = std::any_of(bases.begin(), bases.end(), [&word](const fs::path& from) {
                    return fs::exists(from / word) || fs::exists(from / (word + ".h")) ||
                           fs::exists(from / (word + ".cpp"));
                });
                EXPECT_TRUE(found) << program << ": " << word;
                ++checked;
            }
        }
    }
    EXPECT_GE(checked, 300);
}

} // namespace
