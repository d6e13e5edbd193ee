#include "suite/module_loading.h"

#include <dlfcn.h>

#include <system_error>

namespace suite {

std::filesystem::path runningProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : program.parent_path();
}

ModuleEntry loadModuleEntry(const std::filesystem::path& file, const char* entryName) {
    // RTLD_LOCAL keeps the module's libraries (Z3, Qt's printing) out of the program's namespace.
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        // The loader's own words are English and repeat the path; a missing file is said in Spanish.
        std::error_code error;
        const bool missing = file.has_parent_path() && !std::filesystem::exists(file, error);
        const char* detail = dlerror();
        return {nullptr, "No se ha podido cargar el módulo " + file.string() + ": " +
                             (missing             ? "no existe"
                              : detail != nullptr ? detail
                                                  : "motivo desconocido") +
                             "."};
    }
    dlerror();
    void* symbol = dlsym(handle, entryName);
    if (symbol == nullptr) {
        return {nullptr, "El módulo " + file.string() + " no tiene la entrada " + entryName + "."};
    }
    return {symbol, {}};
}

ModuleEntry loadModuleEntryBesideProgram(std::string_view folderFromProgram, std::string_view fileName,
                                         const char* entryName) {
    const std::filesystem::path folder = runningProgramFolder() / folderFromProgram;
    return loadModuleEntry((folder / fileName).lexically_normal(), entryName);
}

} // namespace suite
