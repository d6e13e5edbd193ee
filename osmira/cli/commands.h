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
int checkCommand(const std::vector<std::string>& words, Streams io);
int convertCommand(const std::vector<std::string>& words, Streams io);
int layoutCommand(const std::vector<std::string>& words, Streams io);
int newCommand(const std::vector<std::string>& words, Streams io);
int applyCommand(const std::vector<std::string>& words, Streams io);
int showCommand(const std::vector<std::string>& words, Streams io);
int truncateCommand(const std::vector<std::string>& words, Streams io);
// Appends a derivation from the last step to the conclusion, found by the tutor, and saves.
int solveCommand(const std::vector<std::string>& words, Streams io);
// Writes the HTML report and its pictures beside it.
int reportCommand(const std::vector<std::string>& words, Streams io);
// One line per exercise file (a folder stands for every .omr file under it): whether its
// derivation holds and reaches the goal, then a summary; --json gives one object a line instead.
int verifyCommand(const std::vector<std::string>& words, Streams io);
// One step as SVG or TikZ, or the whole derivation as a LaTeX document.
int exportCommand(const std::vector<std::string>& words, Streams io);

// A Latin-1 message on the error stream, in UTF-8; returns `status`.
int reportError(Streams io, const std::string& latin1Message, int status);
// A usage error with the command's synopsis; returns the usage status.
int usageError(Streams io, const std::string& latin1Problem);

// `status`, or the output status after reporting that standard output could not be written.
int checkOutput(Streams io, int status);

} // namespace osmira::cli
