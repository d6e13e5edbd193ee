#include "exercise_files.h"

#include "osmira/exercise_archive.h"
#include "osmira/replaced_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace osmira::cli {

namespace {

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// The mode the saved file should have: that of the file it replaces, or the usual one.
mode_t TargetMode(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

OpenedExercise OpenExerciseFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {nullptr, SystemError("no se puede abrir")};
    }
    std::string bytes;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kLargestExerciseFile) {
            return {nullptr, "el archivo es demasiado grande para ser un ejercicio"};
        }
    }
    if (in.bad()) {
        return {nullptr, SystemError("no se puede leer")};
    }
    ExerciseRead loaded = LoadExercise(bytes);
    if (!loaded.value) {
        return {nullptr, loaded.reason};
    }
    return {std::move(loaded.value), {}};
}

std::string SaveExerciseFile(const CEjercicio& exercise, const std::string& givenPath) {
    std::optional<std::string> followed = FollowLinks(givenPath);
    if (!followed) {
        return SystemError("no se puede seguir el enlace");
    }
    const std::string& path = *followed;
    if (IsReadOnly(path)) {
        return "el archivo es de solo lectura: no se reemplaza";
    }
    std::string bytes = SaveExercise(exercise);
    std::string temporary = path + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return SystemError("no se puede crear el archivo temporal");
    }
    bool written = WriteAll(fd, bytes) && ::fchmod(fd, TargetMode(path)) == 0 && ::fsync(fd) == 0;
    std::string failure = written ? "" : SystemError("no se puede escribir");
    if (::close(fd) != 0 && failure.empty()) {
        failure = SystemError("no se puede escribir");
    }
    if (failure.empty() && ::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = SystemError("no se puede reemplazar");
    }
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
    }
    return failure;
}

} // namespace osmira::cli
