#pragma once

// The rooms the exam lock is tried in, by the workbench's tests and osmira-cli's: what the
// system's settings, the student's own and the environment say, and what the tutor may do.

#include "osmira/archive/exam_lock.h"

#include "suite_testing/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace osmira::test {

struct ExamRoomCase {
    const char* name;
    const char* system; // "activa" in the group [Pista] of the system's settings; null: not set
    const char* user;   // the same in the student's own settings
    const char* hints;  // OSMIRA_PISTAS; null: unset
    bool locked;        // the teacher's lock holds: osmira-cli solve refuses
    bool silent;        // the workbench offers no Pista and no note after Nuevo
};

inline void PrintTo(const ExamRoomCase& room, std::ostream* os) {
    *os << room.name;
}

inline const ExamRoomCase kExamRooms[] = {
    {"TheSystemLocks", "false", nullptr, nullptr, true, true},
    {"TheStudentsSettingCannotLiftIt", "false", "true", nullptr, true, true},
    {"NorCanTheEnvironment", "false", nullptr, "1", true, true},
    {"TheStudentSwitchesHintsOff", nullptr, "false", nullptr, false, true},
    {"TheEnvironmentSwitchesThemOff", nullptr, nullptr, "0", false, true},
    {"NothingSaid", nullptr, nullptr, nullptr, false, false},
};

// A variable of the process's environment set (or unset, for null) and put back when it goes.
class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* previous = std::getenv(name)) {
            previous_ = previous;
        }
        put(value);
    }
    ~EnvironmentVariable() { put(previous_ ? previous_->c_str() : nullptr); }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

  private:
    void put(const char* value) const {
        if (value != nullptr) {
            setenv(name_, value, 1);
        } else {
            unsetenv(name_);
        }
    }

    const char* name_;
    std::optional<std::string> previous_;
};

// The room set up: the system's settings under a scratch XDG_CONFIG_DIRS and the student's under
// a scratch XDG_CONFIG_HOME, each in the file Qt gives the workbench's names, and OSMIRA_PISTAS.
class ExamRoom {
  public:
    explicit ExamRoom(const ExamRoomCase& room)
        : system_("XDG_CONFIG_DIRS", settings(folder_ / "system", room.system).c_str()),
          user_("XDG_CONFIG_HOME", settings(folder_ / "user", room.user).c_str()),
          hints_("OSMIRA_PISTAS", room.hints) {}

    // The system's settings file, as the lock names it.
    std::string systemFile() const { return settingsFile(folder_ / "system").string(); }
    // The folder of the student's settings, which a process that has read its settings already
    // must be pointed at.
    std::string userFolder() const { return (folder_ / "user").string(); }

  private:
    static std::filesystem::path settingsFile(const std::filesystem::path& folder) {
        return folder / std::string(kSettingsOrganization) / (std::string(kSettingsApplication) + ".conf");
    }

    // The folder, holding the settings file when `active` says something.
    static std::filesystem::path settings(const std::filesystem::path& folder, const char* active) {
        std::filesystem::create_directories(settingsFile(folder).parent_path());
        if (active != nullptr) {
            suite::testing::writeFile(settingsFile(folder), std::string("[Pista]\nactiva=") + active + "\n");
        }
        return folder;
    }

    suite::testing::ScratchFolder folder_;
    EnvironmentVariable system_;
    EnvironmentVariable user_;
    EnvironmentVariable hints_;
};

} // namespace osmira::test
