#pragma once

#include "zudaviror/modal_system.h"

#include <optional>
#include <string>
#include <vector>

namespace zudaviror::cli {

enum class CliQuestion { Translation, Validity, Tptp };

struct CliOptions {
    CliQuestion question = CliQuestion::Translation; // --valid, --tptp
    std::optional<ModalSystem> system;               // --system
    bool json = false;                               // --json, with --valid
    bool proof = false;                              // --proof, with --valid
    bool steps = false;
    bool unicode = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> logFile;
    std::string formula; // "-" reads it from standard input

    ModalSystem chosenSystem() const { return system.value_or(ModalSystem::K); }
};

struct OptionsRead {
    std::optional<CliOptions> value; // empty when the command line is refused
    std::string reason;              // why, in UTF-8
};

// zudaviror-cli [--steps] [--unicode] [--log FILE] FORMULA, or --help, -h, --version;
// zudaviror-cli --valid [--system S] [--json | --proof] FORMULA; zudaviror-cli --tptp [--system S] FORMULA
OptionsRead parseOptions(const std::vector<std::string>& arguments);

// A usage error shows the translation's form and options; --help shows every form, then every option.
extern const char* const kUsageLine;
extern const char* const kValidityForms;
extern const char* const kUsageOptions;
// The validity options, the systems listed from their table.
std::string validityOptions();

} // namespace zudaviror::cli
