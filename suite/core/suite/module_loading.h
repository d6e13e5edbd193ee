#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace suite {

// The folder of the running program (/proc/self/exe's), from which a program finds the modules
// that it loads only when first asked for something costly (a prover, Qt's printing).
std::filesystem::path runningProgramFolder();

struct ModuleEntry {
    void* symbol = nullptr; // the entry's address; null when the module or its entry is missing
    std::string reason;     // why, a Spanish sentence in UTF-8
};

// The module FILE loaded (dlopen, every symbol bound at once) and its entry resolved. A module is
// loaded once and never unloaded: loading it again finds it loaded, and what it made lives on.
ModuleEntry loadModuleEntry(const std::filesystem::path& file, const char* entryName);

// The same for a module in a folder given relative to the running program's folder, as the build
// and the installation both lay it out.
ModuleEntry loadModuleEntryBesideProgram(std::string_view folderFromProgram, std::string_view fileName,
                                         const char* entryName);

// The entry as the function it is.
template <class Function> Function moduleFunction(const ModuleEntry& entry) {
    return reinterpret_cast<Function>(entry.symbol);
}

} // namespace suite
