#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace osmira {

// The names the workbench gives Qt, which make its settings file
// "<folder>/Local AppWizard-Generated Applications/Osmira.conf".
inline constexpr std::string_view kSettingsOrganization = "Local AppWizard-Generated Applications";
inline constexpr std::string_view kSettingsApplication = "Osmira";

// What "activa" in the group [Pista] of a settings file says, read as QSettings reads an INI
// file: false for an empty value, 0, false in any case, or a list; nothing when it is not there.
std::optional<bool> hintSettingIn(std::string_view iniBytes);

// The files of Qt's system scope for the workbench, in the order it asks them: Osmira.conf in
// each folder of `xdgConfigDirs` (the variable XDG_CONFIG_DIRS; /etc/xdg when unset or empty),
// then the organisation's file in each.
std::vector<std::string> systemSettingsFiles(const char* xdgConfigDirs);

// The exam lock: the system's file in which a teacher switched the tutor off for every user, or
// nothing. The first of those files that names the setting decides, as in Qt. Neither the
// user's own settings nor OSMIRA_PISTAS can lift it. Read on every call.
std::optional<std::string> examLockFile();

} // namespace osmira
