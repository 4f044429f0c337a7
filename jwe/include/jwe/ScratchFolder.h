// A private folder for this run's scratch files ("temp.tmp", "tileinfo.tmp", "guifont.ttf"),
// so that an installed copy can write them and two copies running at once never share one.
#pragma once

#include <filesystem>
#include <string>

class ScratchFolder {
public:
    // The folder is made on first use under base; an empty base means $XDG_RUNTIME_DIR when
    // that names a writable folder, else the system's temporary folder. With cleanOnSignals
    // its files and the folder are deleted on SIGINT and SIGTERM before the signal ends the
    // process as usual (for one folder per process: the handler knows only the latest).
    explicit ScratchFolder(std::filesystem::path base = {}, bool cleanOnSignals = false);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The full path of a scratch file; makes the folder when it does not exist yet.
    // Throws FileLoadingFailed when no folder can be made.
    std::string pathOf(const std::string& name);
    // Deletes one scratch file; nothing happens when it or the folder is missing.
    void removeFile(const std::string& name);
    // Deletes the folder with everything in it; a later pathOf makes a fresh one.
    void removeAll();
    // Empty while no folder exists.
    std::filesystem::path folder() const { return location; }

private:
    std::filesystem::path base;
    bool cleanOnSignals;
    std::filesystem::path location;
};

// The process-wide scratch folder, cleaned on termination signals and removed at the latest
// when the process ends normally.
ScratchFolder& scratchFolder();
// Shorthand for scratchFolder().pathOf(name).
std::string scratchPath(const std::string& name);
