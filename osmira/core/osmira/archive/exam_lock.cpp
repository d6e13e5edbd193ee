#include "osmira/archive/exam_lock.h"

#include "suite/file_reading.h"

#include <cctype>
#include <cstdlib>

namespace osmira {

namespace {

constexpr std::string_view kGroup = "Pista";
constexpr std::string_view kKey = "activa";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Far more than any settings file holds.
constexpr std::size_t kLargestSettingsFile = std::size_t{1} << 20;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string withoutTrailingSlashes(std::string_view folder) {
    while (folder.ends_with('/')) {
        folder.remove_suffix(1);
    }
    return std::string(folder);
}

// Qt's toBool() of the value as its INI reader takes it: quotes are dropped, and the blanks after
// a closing one; an unquoted ';' begins a comment; an unquoted ',' makes a list, which is false.
// Qt's backslash and percent escapes are not decoded: the setting is written by hand, as the
// manual shows it.
bool valueIsTrue(std::string_view raw) {
    std::string text;
    bool quoting = false;
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoting = !quoting;
            quoted = true;
            while (!quoting && i + 1 < raw.size() && isBlank(raw[i + 1])) {
                ++i;
            }
        } else if (!quoting && c == ';') {
            break;
        } else if (!quoting && c == ',') {
            return false;
        } else {
            text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    const std::string_view value = quoted ? std::string_view(text) : trimmed(text);
    return !(value.empty() || value == "0" || value == "false");
}

} // namespace

std::optional<bool> hintSettingIn(std::string_view iniBytes) {
    if (iniBytes.starts_with(kByteOrderMark)) {
        iniBytes.remove_prefix(kByteOrderMark.size());
    }
    std::optional<bool> setting;
    bool inGroup = false;
    while (!iniBytes.empty()) {
        const std::size_t end = iniBytes.find_first_of("\r\n");
        const std::string_view line = trimmed(iniBytes.substr(0, end));
        iniBytes.remove_prefix(end == std::string_view::npos ? iniBytes.size() : end + 1);
        if (line.starts_with('[')) {
            inGroup = trimmed(line.substr(1, line.find(']') - 1)) == kGroup;
            continue;
        }
        // As in Qt, the last line that sets the key wins, also in a group repeated further down.
        const std::size_t equals = line.find('=');
        if (inGroup && equals != std::string_view::npos && trimmed(line.substr(0, equals)) == kKey) {
            setting = valueIsTrue(trimmed(line.substr(equals + 1)));
        }
    }
    return setting;
}

std::vector<std::string> systemSettingsFiles(const char* xdgConfigDirs) {
    const std::string_view variable = xdgConfigDirs != nullptr ? xdgConfigDirs : "";
    std::vector<std::string> folders;
    if (variable.empty()) {
        folders.emplace_back("/etc/xdg");
    } else {
        // Qt keeps an empty entry, which names the root folder.
        std::size_t start = 0;
        for (std::size_t colon = variable.find(':'); colon != std::string_view::npos;
             colon = variable.find(':', start)) {
            folders.push_back(withoutTrailingSlashes(variable.substr(start, colon - start)));
            start = colon + 1;
        }
        folders.push_back(withoutTrailingSlashes(variable.substr(start)));
    }
    const std::string organisation = "/" + std::string(kSettingsOrganization);
    std::vector<std::string> files;
    for (const std::string& folder : folders) {
        files.push_back(folder + organisation + "/" + std::string(kSettingsApplication) + ".conf");
    }
    for (const std::string& folder : folders) {
        files.push_back(folder + organisation + ".conf");
    }
    return files;
}

std::optional<std::string> examLockFile() {
    for (const std::string& path : systemSettingsFiles(std::getenv("XDG_CONFIG_DIRS"))) {
        // Qt takes a file it cannot read for an empty one.
        const suite::FileRead read = suite::readRegularFile(path, kLargestSettingsFile);
        if (const std::optional<bool> active = read.value ? hintSettingIn(*read.value) : std::nullopt) {
            return *active ? std::nullopt : std::optional<std::string>(path);
        }
    }
    return std::nullopt;
}

} // namespace osmira
