#include "suite/module_loading.h"

#include "suite/latin1.h"
#include "suite/system_reason.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>
#include <system_error>

namespace suite {

namespace {

// The start of an ELF file up to its machine: identification (magic, class, byte order, …),
// type and machine.
using ElfStart = std::array<char, 20>;
constexpr std::string_view kElfMagic = "\x7F"
                                       "ELF";
constexpr std::size_t kClass = 4;
constexpr std::size_t kByteOrder = 5;
constexpr std::size_t kMachine = 18;

const char* const kNotAModule = "no es un módulo válido";

// The start of the ELF file open as fd; nothing when the file is shorter than that or no ELF file.
std::optional<ElfStart> readElfStart(int fd) {
    ElfStart start{};
    if (::read(fd, start.data(), start.size()) != static_cast<ssize_t>(start.size()) ||
        std::string_view(start.data(), kElfMagic.size()) != kElfMagic) {
        return std::nullopt;
    }
    return start;
}

std::optional<ElfStart> programElfStart() {
    const int fd = ::open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    const std::optional<ElfStart> start = readElfStart(fd);
    ::close(fd);
    return start;
}

bool sameMachine(const ElfStart& module, const ElfStart& program) {
    return module[kClass] == program[kClass] && module[kByteOrder] == program[kByteOrder] &&
           module[kMachine] == program[kMachine] && module[kMachine + 1] == program[kMachine + 1];
}

// Why the file cannot be one of this program's modules, found before the loader opens it: the
// loader would wait on a FIFO for a writer, and says that a module built for another machine
// does not exist. Nothing when it may be one.
std::optional<std::string> refusalOfModuleFile(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) {
        return utf8FromLatin1(spanishSystemReason(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        return utf8FromLatin1(folderReason());
    }
    if (!S_ISREG(status.st_mode)) {
        return utf8FromLatin1(notRegularFileReason());
    }
    // Without waiting, should a FIFO have taken the file's place since.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return utf8FromLatin1(spanishSystemReason(errno));
    }
    const std::optional<ElfStart> module = readElfStart(fd);
    ::close(fd);
    if (!module) {
        return kNotAModule;
    }
    static const std::optional<ElfStart> program = programElfStart();
    if (program && !sameMachine(*module, *program)) {
        return "es un módulo de otra arquitectura";
    }
    return std::nullopt;
}

// The loader's English words, said in Spanish: what the module lacks, or that it is none.
std::string loaderReason(const std::string& module, std::string_view detail) {
    constexpr std::string_view kCannotOpen = ": cannot open shared object file";
    constexpr std::string_view kUndefinedSymbol = "undefined symbol: ";
    if (const std::size_t end = detail.find(kCannotOpen); end != std::string_view::npos) {
        const std::string_view library = detail.substr(0, end);
        if (library == module) {
            return utf8FromLatin1(spanishSystemReason(ENOENT));
        }
        return "falta la biblioteca " + std::string(library) + ", que el módulo necesita";
    }
    if (const std::size_t start = detail.find(kUndefinedSymbol); start != std::string_view::npos) {
        // Past a comma the loader names the symbol's version, in English.
        const std::string_view symbol = detail.substr(start + kUndefinedSymbol.size());
        return "falta el símbolo " + std::string(symbol.substr(0, symbol.find(','))) +
               ", que el módulo necesita";
    }
    return kNotAModule;
}

ModuleEntry refused(const std::filesystem::path& file, const std::string& reason) {
    return {nullptr, "No se ha podido cargar el módulo " + file.string() + ": " + reason + "."};
}

} // namespace

std::filesystem::path runningProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : program.parent_path();
}

ModuleEntry loadModuleEntry(const std::filesystem::path& file, const char* entryName) {
    // A bare name is the loader's to look for in the system's folders.
    if (file.has_parent_path()) {
        if (const std::optional<std::string> refusal = refusalOfModuleFile(file)) {
            return refused(file, *refusal);
        }
    }
    // RTLD_LOCAL keeps the module's libraries (Z3, Qt's printing) out of the program's namespace.
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* detail = dlerror();
        return refused(file, loaderReason(file.string(), detail != nullptr ? detail : ""));
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
