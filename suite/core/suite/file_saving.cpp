#include "suite/file_saving.h"

#include "suite/file_reading.h"
#include "suite/latin1.h"
#include "suite/system_reason.h"
#include "suite/whole_write.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace suite {

namespace {

// A temporary's name: hidden, beside its target, and never taken for a file of the student's.
constexpr std::string_view kTemporaryMark = ".guardando.";
constexpr std::size_t kRandomLength = 6;
// A name holds at most this many bytes; a temporary's takes as much of its target's as fits.
constexpr std::size_t kLongestName = 255;
constexpr std::size_t kLongestTargetInTemporary = kLongestName - 1 - kTemporaryMark.size() - kRandomLength;
// Files put in place together are listed here, in their folder, while they are renamed one by
// one: a save killed among the renames is finished by the next save into the folder.
constexpr std::string_view kJournalName = ".guardando.lista";

FileSave failed(SaveFailure failure, int error = 0) {
    return {failure, error};
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path with its symbolic links followed to the file they name; nothing, with errno set,
// for a loop of links or a link that cannot be read.
std::optional<std::string> followLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0) {
            return std::nullopt;
        }
        target.resize(static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        path =
            target.front() == '/' || slash == std::string::npos ? target : path.substr(0, slash + 1) + target;
    }
    errno = ELOOP;
    return std::nullopt;
}

bool isReadOnly(const std::string& path, const struct stat& existing) {
    if (existing.st_uid == ::geteuid()) {
        return (existing.st_mode & S_IWUSR) == 0;
    }
    return ::access(path.c_str(), W_OK) != 0;
}

std::string randomSuffix() {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
    std::string suffix(kRandomLength, ' ');
    for (char& c : suffix) {
        c = kAlphabet[pick(generator)];
    }
    return suffix;
}

// The target a temporary's name stands for, or nothing when the name is not a temporary's.
std::optional<std::string_view> targetOfTemporary(std::string_view entry) {
    const std::size_t mark = entry.rfind(kTemporaryMark);
    if (entry.size() < 2 || entry.front() != '.' || mark == std::string_view::npos || mark < 2 ||
        entry.size() != mark + kTemporaryMark.size() + kRandomLength) {
        return std::nullopt;
    }
    for (const char c : entry.substr(mark + kTemporaryMark.size())) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            return std::nullopt;
        }
    }
    return entry.substr(1, mark - 1);
}

// The temporaries in a folder that saves may have left: the user's own regular files.
std::vector<std::string> temporariesIn(const std::string& folder) {
    std::vector<std::string> found;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return found;
    }
    while (const dirent* entry = ::readdir(listing)) {
        struct stat status {};
        if (targetOfTemporary(entry->d_name) &&
            ::fstatat(::dirfd(listing), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid()) {
            found.emplace_back(entry->d_name);
        }
    }
    ::closedir(listing);
    return found;
}

// The mode and owner the new file takes: those of the file it replaces, or the usual ones.
struct Ownership {
    mode_t mode;
    bool replaces;
    uid_t owner;
    gid_t group;
};

Ownership ownershipFor(const std::string& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        return {static_cast<mode_t>(existing.st_mode & 07777), true, existing.st_uid, existing.st_gid};
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return {static_cast<mode_t>(0666 & ~mask), false, 0, 0};
}

// Syncs a folder through a descriptor of it with `sync` (fsync, or syncfs for its file system);
// the errno of the failure, or 0.
int syncFolder(const std::string& folder, int (*sync)(int)) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int error = fd >= 0 && sync(fd) == 0 ? 0 : errno;
    if (fd >= 0) {
        ::close(fd);
    }
    return error;
}

// The part of a target's name its temporaries carry.
std::string_view nameInTemporary(std::string_view target) {
    return target.substr(0, kLongestTargetInTemporary);
}

std::string temporaryName(const std::string& folder, const std::string& target) {
    return folder + "/." + std::string(nameInTemporary(target)) + std::string(kTemporaryMark) +
           randomSuffix();
}

std::string absolutePath(const std::string& path) {
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    std::string folder(PATH_MAX, '\0');
    if (::getcwd(folder.data(), folder.size()) == nullptr) {
        return path;
    }
    folder.resize(std::char_traits<char>::length(folder.c_str()));
    return folder + "/" + path;
}

// Saves into a folder take turns while they put files in place (the folder locked), so two
// batches never interleave their renames. Where the file system has no such locks, saves go on
// without them.
class FolderLocks {
  public:
    explicit FolderLocks(const std::vector<std::string>& folders) {
        std::vector<std::pair<std::pair<dev_t, ino_t>, int>> opened;
        for (const std::string& folder : folders) {
            const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            struct stat status {};
            if (fd >= 0 && ::fstat(fd, &status) == 0) {
                opened.push_back({{status.st_dev, status.st_ino}, fd});
            } else if (fd >= 0) {
                ::close(fd);
            }
        }
        // One order for every process, however it names the folders, so that none waits in a circle.
        std::sort(opened.begin(), opened.end());
        for (std::size_t i = 0; i < opened.size(); ++i) {
            if (i > 0 && opened[i].first == opened[i - 1].first) {
                ::close(opened[i].second);
                continue;
            }
            while (::flock(opened[i].second, LOCK_EX) != 0 && errno == EINTR) {
            }
            fds_.push_back(opened[i].second);
        }
    }
    FolderLocks(const FolderLocks&) = delete;
    FolderLocks& operator=(const FolderLocks&) = delete;
    ~FolderLocks() {
        for (const int fd : fds_) {
            ::close(fd);
        }
    }

  private:
    std::vector<int> fds_;
};

std::string journalPath(const std::string& folder) {
    return folder + "/" + std::string(kJournalName);
}

// The journal's pairs of temporary and target, each path ended by a NUL.
std::vector<std::pair<std::string, std::string>> journalEntries(const std::string& bytes) {
    std::vector<std::pair<std::string, std::string>> entries;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t temporaryEnd = bytes.find('\0', at);
        const std::size_t targetEnd =
            temporaryEnd == std::string::npos ? std::string::npos : bytes.find('\0', temporaryEnd + 1);
        if (targetEnd == std::string::npos) {
            break; // a journal cut short was never used: it is synced before the first rename
        }
        entries.emplace_back(bytes.substr(at, temporaryEnd - at),
                             bytes.substr(temporaryEnd + 1, targetEnd - temporaryEnd - 1));
        at = targetEnd + 1;
    }
    return entries;
}

// Puts in place what a save killed among its renames had left, with the folder locked: the one
// who wrote the journal held the lock until it removed the journal, so a journal found now is
// one whose save died. Its files were all on the disk before the first rename.
void finishInterruptedSave(const std::string& folder) {
    const std::string journal = journalPath(folder);
    struct stat status {};
    if (::lstat(journal.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        return;
    }
    const FileRead read = readRegularFile(journal, std::size_t{1} << 30);
    if (read.value) {
        for (const auto& [temporary, target] : journalEntries(*read.value)) {
            struct stat left {};
            if (::lstat(temporary.c_str(), &left) == 0 && S_ISREG(left.st_mode)) {
                ::rename(temporary.c_str(), target.c_str());
            }
        }
    }
    ::unlink(journal.c_str());
    syncFolder(folder, ::fsync);
}

// Gives the unnamed file a name beside its target.
bool linkUnnamed(int fd, const std::string& folder, const std::string& target, std::string& temporary) {
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName(folder, target);
        // AT_EMPTY_PATH needs a capability that only root has; /proc does the same for anyone.
        if (::linkat(fd, "", AT_FDCWD, temporary.c_str(), AT_EMPTY_PATH) == 0 ||
            ::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

// Opens a file beside the target for writing: unnamed where the file system allows it, so that
// a kill leaves nothing; otherwise named, and `temporary` holds the name.
int openTemporary(const std::string& folder, const std::string& target, std::string& temporary) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
        return fd;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName(folder, target);
        const int named = ::open(temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (named >= 0 || errno != EEXIST) {
            return named;
        }
    }
    return -1;
}

} // namespace

std::string FileSave::reason() const {
    switch (failure) {
    case SaveFailure::None:
        return {};
    case SaveFailure::LinkLoop:
        return latin1FromUtf8("no se puede seguir el enlace simbólico: ") + spanishSystemReason(error);
    case SaveFailure::Folder:
        return folderReason();
    case SaveFailure::NotRegularFile:
        return notRegularFileReason();
    case SaveFailure::ReadOnly:
        return latin1FromUtf8("el fichero es de solo lectura: no se reemplaza");
    case SaveFailure::CannotCreate:
        if (error == ENOENT) {
            return latin1FromUtf8("la carpeta no existe");
        }
        if (error == EACCES || error == EPERM) {
            return latin1FromUtf8("no tiene permiso para escribir en la carpeta");
        }
        return latin1FromUtf8("no se puede crear el fichero: ") + spanishSystemReason(error);
    case SaveFailure::CannotWrite:
        return latin1FromUtf8("no se puede escribir el fichero: ") + spanishSystemReason(error);
    case SaveFailure::CannotReplace:
        return latin1FromUtf8("no se puede reemplazar el fichero: ") + spanishSystemReason(error);
    }
    return {};
}

SaveTarget saveTarget(const std::string& path) {
    const std::optional<std::string> followed = followLinks(path);
    if (!followed) {
        return {path, failed(SaveFailure::LinkLoop, errno)};
    }
    struct stat existing {};
    if (::stat(followed->c_str(), &existing) != 0) {
        if (errno == ENOENT) {
            return {*followed, {}};
        }
        return {*followed, failed(SaveFailure::CannotCreate, errno)};
    }
    if (S_ISDIR(existing.st_mode)) {
        return {*followed, failed(SaveFailure::Folder)};
    }
    if (!S_ISREG(existing.st_mode)) {
        return {*followed, failed(SaveFailure::NotRegularFile)};
    }
    if (isReadOnly(*followed, existing)) {
        return {*followed, failed(SaveFailure::ReadOnly)};
    }
    return {*followed, {}};
}

FileReplacement::~FileReplacement() {
    discard();
}

void FileReplacement::discard() {
    for (const Staged& file : staged_) {
        ::unlink(file.temporary.c_str());
    }
    closeStaged();
}

void FileReplacement::closeStaged() {
    for (const Staged& file : staged_) {
        if (file.fd >= 0) {
            ::close(file.fd);
        }
    }
    staged_.clear();
}

void FileReplacement::removeStaleTemporaries(const std::string& folder, const std::string& target) {
    // Not while another save puts its files in place: its temporaries are no longer locked then.
    const FolderLocks lock({folder});
    auto listed = std::find_if(folders_.begin(), folders_.end(),
                               [&folder](const Folder& known) { return known.path == folder; });
    if (listed == folders_.end()) {
        // One listing a folder, however many of its files are staged; a killed batch is put in
        // place before its temporaries could be taken for stale ones.
        finishInterruptedSave(folder);
        folders_.push_back({folder, temporariesIn(folder)});
        listed = std::prev(folders_.end());
    }
    for (const std::string& temporary : listed->temporaries) {
        if (targetOfTemporary(temporary) != nameInTemporary(target)) {
            continue;
        }
        // A save in progress holds its temporary locked; a killed one no longer does.
        const std::string path = folder + "/" + temporary;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(path.c_str());
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

FileSave FileReplacement::stage(const std::string& path, std::string_view bytes) {
    const SaveTarget target = saveTarget(path);
    if (!target.refusal.saved()) {
        return target.refusal;
    }
    const std::string folder = folderOf(target.path);
    const std::string name = nameOf(target.path);
    removeStaleTemporaries(folder, name);
    const Ownership ownership = ownershipFor(target.path);

    std::string temporary;
    const int fd = openTemporary(folder, name, temporary);
    if (fd < 0) {
        return failed(SaveFailure::CannotCreate, errno);
    }
    // Taken before the file has a name, so no other save ever finds it unlocked while in use.
    ::flock(fd, LOCK_EX);
    FileSave result;
    if (!writeWhole(fd, bytes) || ::fchmod(fd, ownership.mode) != 0) {
        result = failed(SaveFailure::CannotWrite, errno);
    }
    if (result.saved()) {
        // The disk starts on the bytes now; commit waits for them.
        ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    }
    if (result.saved() && ownership.replaces && ::geteuid() == 0) {
        // Root saving another's file leaves it theirs, as an editor does; failing that is no loss.
        [[maybe_unused]] const int ignored = ::fchown(fd, ownership.owner, ownership.group);
    }
    if (result.saved() && temporary.empty() && !linkUnnamed(fd, folder, name, temporary)) {
        result = failed(SaveFailure::CannotCreate, errno);
        temporary.clear();
    }
    const bool keptOpen = result.saved() && staged_.size() < kFilesKeptOpen;
    if (!keptOpen && ::close(fd) != 0 && result.saved()) {
        result = failed(SaveFailure::CannotWrite, errno);
    }
    if (!result.saved()) {
        if (!temporary.empty()) {
            ::unlink(temporary.c_str());
        }
        return result;
    }
    staged_.push_back({temporary, target.path, keptOpen ? fd : -1});
    return result;
}

// Every staged file on the disk before any is put in place. A few are synced one by one; for
// many (a report's pictures) one sync of their file system costs one wait instead of thousands.
FileSave FileReplacement::syncStaged() {
    if (staged_.size() <= kFilesSyncedOneByOne) {
        for (const Staged& file : staged_) {
            const int fd = file.fd >= 0 ? file.fd : ::open(file.temporary.c_str(), O_RDONLY | O_CLOEXEC);
            const bool synced = fd >= 0 && ::fsync(fd) == 0;
            const int error = errno;
            if (fd >= 0 && fd != file.fd) {
                ::close(fd);
            }
            if (!synced) {
                return failed(SaveFailure::CannotWrite, error);
            }
        }
        return {};
    }
    for (const std::string& folder : foldersOfStaged()) {
        if (const int error = syncFolder(folder, ::syncfs); error != 0) {
            return failed(SaveFailure::CannotWrite, error);
        }
    }
    return {};
}

std::vector<std::string> FileReplacement::foldersOfStaged() const {
    std::vector<std::string> folders;
    for (const Staged& file : staged_) {
        const std::string folder = folderOf(file.target);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(folder);
        }
    }
    return folders;
}

// Whether every staged temporary is still there: past kFilesKeptOpen they are not locked, and a
// save that took one for a killed save's has removed it. Then nothing may be put in place.
bool FileReplacement::allStagedRemain() const {
    for (const Staged& file : staged_) {
        struct stat status {};
        if (::lstat(file.temporary.c_str(), &status) != 0) {
            return false;
        }
    }
    return true;
}

FileSave FileReplacement::writeJournal(const std::string& folder) const {
    std::string bytes;
    for (const Staged& file : staged_) {
        bytes += absolutePath(file.temporary) + '\0' + absolutePath(file.target) + '\0';
    }
    const std::string journal = journalPath(folder);
    const int fd = ::open(journal.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return failed(SaveFailure::CannotCreate, errno);
    }
    const bool written = writeWhole(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!written) {
        ::unlink(journal.c_str());
        return failed(SaveFailure::CannotWrite, error);
    }
    if (const int synced = syncFolder(folder, ::fsync); synced != 0) {
        ::unlink(journal.c_str());
        return failed(SaveFailure::CannotWrite, synced);
    }
    return {};
}

FileSave FileReplacement::commit() {
    if (const FileSave synced = syncStaged(); !synced.saved()) {
        discard();
        return synced;
    }
    const std::vector<std::string> folders = foldersOfStaged();
    const FolderLocks locks(folders);
    for (const std::string& folder : folders) {
        finishInterruptedSave(folder);
    }
    if (!allStagedRemain()) {
        discard();
        return failed(SaveFailure::CannotReplace, ENOENT);
    }
    // One file is put in place by one rename; several need the journal, in the last one's folder.
    const std::string journalFolder = folderOf(staged_.back().target);
    const bool journaled = staged_.size() > 1;
    if (journaled) {
        if (const FileSave written = writeJournal(journalFolder); !written.saved()) {
            discard();
            return written;
        }
    }
    FileSave result;
    for (std::size_t i = 0; i < staged_.size(); ++i) {
        if (::rename(staged_[i].temporary.c_str(), staged_[i].target.c_str()) != 0) {
            result = failed(SaveFailure::CannotReplace, errno);
            for (std::size_t rest = i; rest < staged_.size(); ++rest) {
                ::unlink(staged_[rest].temporary.c_str());
            }
            break;
        }
    }
    closeStaged();
    // The renames reach the disk with their folders before the journal goes; the data already has.
    for (const std::string& folder : folders) {
        syncFolder(folder, ::fsync);
    }
    if (journaled) {
        ::unlink(journalPath(journalFolder).c_str());
        syncFolder(journalFolder, ::fsync);
    }
    return result;
}

FileSave replaceFile(const std::string& path, std::string_view bytes) {
    FileReplacement replacement;
    const FileSave staged = replacement.stage(path, bytes);
    return staged.saved() ? replacement.commit() : staged;
}

} // namespace suite
