#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace osmira::cli {

struct Streams {
    std::ostream& out;
    std::ostream& err;
};

// Each command takes the words after its name and returns the exit status.
int CheckCommand(const std::vector<std::string>& words, Streams io);
int ConvertCommand(const std::vector<std::string>& words, Streams io);
int LayoutCommand(const std::vector<std::string>& words, Streams io);
int NewCommand(const std::vector<std::string>& words, Streams io);
int ApplyCommand(const std::vector<std::string>& words, Streams io);
int ShowCommand(const std::vector<std::string>& words, Streams io);
int TruncateCommand(const std::vector<std::string>& words, Streams io);
// Writes the HTML report and its pictures beside it.
int ReportCommand(const std::vector<std::string>& words, Streams io);
// One line per exercise file (a folder stands for every .omr file under it): whether its
// derivation holds and reaches the goal, then a summary; --json gives one object a line instead.
int VerifyCommand(const std::vector<std::string>& words, Streams io);

// A Latin-1 message on the error stream, in UTF-8; returns `status`.
int Report(Streams io, const std::string& latin1Message, int status);
// A usage error with the command's synopsis; returns the usage status.
int UsageError(Streams io, const std::string& latin1Problem);

// `status`, or the output status after reporting that standard output could not be written.
int CheckOutput(Streams io, int status);

} // namespace osmira::cli
