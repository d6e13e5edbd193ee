#pragma once

#include <string>
#include <string_view>
#include <vector>

// The one way the programs write a file: whole or not at all, never reported saved when it is not.
namespace suite {

enum class SaveFailure {
    None,
    LinkLoop,
    Folder,
    NotRegularFile,
    ReadOnly,
    CannotCreate,
    CannotWrite,
    CannotReplace
};

struct FileSave {
    SaveFailure failure = SaveFailure::None;
    int error = 0; // errno of the call that failed
    bool saved() const { return failure == SaveFailure::None; }
    // Why not, as a Spanish clause in Latin-1 without the path ("no se puede escribir el
    // fichero: el disco está lleno").
    std::string reason() const;
};

// What a save of `path` replaces, decided as a text editor decides it: the file its symbolic
// links lead to (so the link stays a link), refused when the links loop, when it is a folder, a
// FIFO or a device, or when it is read-only (the user's own file without its owner's write
// permission, even for root; another's file the user may not write). A missing file is created.
struct SaveTarget {
    std::string path;
    FileSave refusal;
};
SaveTarget saveTarget(const std::string& path);

// Files replaced together: each is written beside its target when staged; `commit` syncs them
// all to the disk, then puts them in place in the order they were staged, each by one rename.
// A failure while staging replaces nothing; the old files stay byte for byte. What was staged and
// not put in place is removed, also by the destructor. A temporary is written unnamed where the
// file system allows it, so a kill while writing leaves nothing behind; one named by a killed
// save is removed by the next save of the same target. A save in progress holds a lock on its
// temporary, so that another program saving the same file at the same moment leaves it alone (for
// the first kFilesKeptOpen files of a batch; past them such a save may take it for a killed
// one's, and the batch then fails as a whole, reported, before any file is put in place).
// Saves put their files in place in turns, each folder locked meanwhile, so two batches never
// mix. A batch of several files lists them first in a journal in the last file's folder; a kill
// among the renames leaves the journal, and the next save into that folder puts the rest in place
// before anything else, so the files end up all of one batch.
class FileReplacement {
  public:
    FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    FileSave stage(const std::string& path, std::string_view bytes);
    FileSave commit();

  private:
    struct Staged {
        std::string temporary;
        std::string target;
        int fd; // open and locked until put in place, or -1
    };
    struct Folder {
        std::string path;
        std::vector<std::string> temporaries; // left by killed saves when first listed
    };
    static constexpr std::size_t kFilesSyncedOneByOne = 16;
    // A staged file stays open, and locked against other saves' clean-up, up to this many.
    static constexpr std::size_t kFilesKeptOpen = 64;
    void removeStaleTemporaries(const std::string& folder, const std::string& target);
    FileSave syncStaged();
    bool allStagedRemain() const;
    FileSave writeJournal(const std::string& folder) const;
    std::vector<std::string> foldersOfStaged() const;
    void discard();
    void closeStaged();

    std::vector<Staged> staged_;
    std::vector<Folder> folders_;
};

// One file replaced by `bytes` as above.
FileSave replaceFile(const std::string& path, std::string_view bytes);

} // namespace suite
