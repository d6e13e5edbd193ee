#include "zudaviror/log_file_access.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zudaviror {

std::string toPlatformLineEnds(std::string_view text) {
#ifdef _WIN32
    std::string converted;
    converted.reserve(text.size());
    for (const char code : text) {
        if (code == '\n') {
            converted += '\r';
        }
        converted += code;
    }
    return converted;
#else
    return std::string(text);
#endif
}

AppendResult FileAppender::append(const std::string& path, std::string_view bytes) {
    const std::string text = toPlatformLineEnds(bytes);
    // Binary mode: the line ends are already those of the platform.
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) {
        return AppendResult::CannotOpen;
    }
    // A record cut short (a full disk) is taken back: the log keeps whole records only.
    std::error_code error;
    const bool sized = std::fseek(file, 0, SEEK_END) == 0;
    const long oldSize = sized ? std::ftell(file) : -1;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    if ((!written || !closed) && oldSize >= 0) {
        std::filesystem::resize_file(path, static_cast<std::uintmax_t>(oldSize), error);
    }
    if (!written) {
        return AppendResult::CannotWrite;
    }
    return closed ? AppendResult::Written : AppendResult::CannotClose;
}

} // namespace zudaviror
