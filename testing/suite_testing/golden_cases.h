#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace suite::testing {

// A command-line tool run in-process: arguments (without the program name), standard input,
// standard output and standard error; returns the exit status.
using ToolEntry = std::function<int(const std::vector<std::string>& arguments, std::istream& in,
                                    std::ostream& out, std::ostream& err)>;

// Golden cases: one folder per case, named in kebab-case, holding
//   args    the arguments, one a line (absent: none);
//   stdin   what standard input holds (absent: nothing);
//   stdout, stderr  exactly what the run writes (absent: nothing);
//   status  the exit status;
// and any input files the arguments name. The run happens in a scratch copy of the case folder
// made the working folder, so arguments name files relatively and messages stay the same on
// every machine.
std::vector<std::string> goldenCaseNames(const std::filesystem::path& casesFolder);

// The lines of a case's file, without their line feeds.
std::vector<std::string> linesOf(const std::string& text);

// Runs one case folder and compares the three results byte for byte.
void expectGoldenCase(const std::filesystem::path& caseFolder, const ToolEntry& tool);

// A readable test name for a kebab-case case name: "refused-empty" → "refused_empty".
struct GoldenCaseName {
    std::string operator()(const ::testing::TestParamInfo<std::string>& info) const;
};

} // namespace suite::testing
