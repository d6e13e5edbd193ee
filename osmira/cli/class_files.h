#pragma once

#include "commands.h"

#include "osmira/export/class_page.h"
#include "suite/command_line.h"

#include <optional>
#include <string>
#include <vector>

namespace osmira::cli {

// verify's --html PAGE, --csv FILE and --csv-separator: the rows of the files checked, written
// together at the end, whole or not at all.
class ClassFiles {
  public:
    // The options verify reads for these files.
    static const std::vector<suite::CommandOption>& options();
    // Takes --html, --csv and --csv-separator from the line; a wrong separator is kept as the
    // option error.
    void readOptions(const suite::CommandLine& line);
    // Latin-1; empty when the options were well given.
    const std::string& optionError() const { return optionError_; }

    // The exercise the files were compared with, named on the page.
    void setAssigned(AssignedStatement assigned) { assigned_ = std::move(assigned); }

    void add(const std::string& file, const CEjercicio& exercise, const DerivationCheck& check,
             Derivability derivability, bool sameStatement);
    void addUnreadable(const std::string& file, const std::string& latin1Reason);

    // Writes what was asked for; false after saying why nothing was written.
    bool write(Streams io) const;

  private:
    bool asked() const { return pagePath_ || csvPath_; }

    std::optional<std::string> pagePath_;
    std::optional<std::string> csvPath_;
    char csvSeparator_ = ',';
    std::optional<AssignedStatement> assigned_;
    std::string optionError_;
    std::vector<ClassRow> rows_;
};

} // namespace osmira::cli
