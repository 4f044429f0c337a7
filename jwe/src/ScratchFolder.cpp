// The run's private scratch folder, and its clean-up on termination signals.
#include "jwe/ScratchFolder.h"

#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "jwe/Exceptions.h"

namespace fs = std::filesystem;

namespace {

// A signal handler may only call async-signal-safe functions, so the paths it deletes are
// kept ready in plain buffers: the folder and every file name handed out for it.
constexpr int maxRecordedFiles = 32;
constexpr size_t maxPathLength = 4096;
char recordedFolder[maxPathLength];
char recordedFiles[maxRecordedFiles][maxPathLength];
volatile sig_atomic_t recordedFileCount = 0;

void recordFolder(const fs::path& folder)
{
    recordedFileCount = 0;
    std::strncpy(recordedFolder, folder.c_str(), maxPathLength - 1);
}

void recordFile(const std::string& path)
{
    for (int i = 0; i < recordedFileCount; ++i) {
        if (path == recordedFiles[i]) {
            return;
        }
    }
    if (recordedFileCount < maxRecordedFiles && path.size() < maxPathLength) {
        std::strncpy(recordedFiles[recordedFileCount], path.c_str(), maxPathLength - 1);
        recordedFileCount = recordedFileCount + 1;
    }
}

extern "C" void removeScratchAndDie(int signalNumber)
{
    for (int i = 0; i < recordedFileCount; ++i) {
        unlink(recordedFiles[i]);
    }
    if (recordedFolder[0] != '\0') {
        rmdir(recordedFolder);
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void catchTerminationSignals()
{
    for (int signalNumber : {SIGINT, SIGTERM}) {
        struct sigaction current {};
        sigaction(signalNumber, nullptr, &current);
        // A handler somebody else installed, or an ignored signal, stays as it is.
        if (current.sa_handler == SIG_DFL) {
            struct sigaction ours {};
            ours.sa_handler = removeScratchAndDie;
            sigemptyset(&ours.sa_mask);
            sigaction(signalNumber, &ours, nullptr);
        }
    }
}

fs::path defaultBase()
{
    std::error_code error;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
        if (runtime[0] != '\0' && fs::is_directory(runtime, error) && access(runtime, W_OK) == 0) {
            return runtime;
        }
    }
    fs::path temp = fs::temp_directory_path(error);
    return error ? fs::path("/tmp") : temp;
}

}  // namespace

ScratchFolder::ScratchFolder(fs::path base, bool cleanOnSignals)
    : base(std::move(base)), cleanOnSignals(cleanOnSignals)
{
}

ScratchFolder::~ScratchFolder()
{
    removeAll();
}

std::string ScratchFolder::pathOf(const std::string& name)
{
    if (location.empty()) {
        const fs::path parent = base.empty() ? defaultBase() : base;
        std::string pattern = (parent / "wtrq-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw FileLoadingFailed(pattern, std::string("Failed to make a scratch folder: ") + std::strerror(errno));
        }
        location = pattern;
        if (cleanOnSignals) {
            recordFolder(location);
            catchTerminationSignals();
        }
    }
    std::string path = (location / name).string();
    if (cleanOnSignals) {
        recordFile(path);
    }
    return path;
}

void ScratchFolder::removeFile(const std::string& name)
{
    if (!location.empty()) {
        std::error_code error;
        fs::remove(location / name, error);
    }
}

void ScratchFolder::removeAll()
{
    if (!location.empty()) {
        std::error_code error;
        if (cleanOnSignals) {
            recordedFileCount = 0;
            recordedFolder[0] = '\0';
        }
        fs::remove_all(location, error);
        location.clear();
    }
}

ScratchFolder& scratchFolder()
{
    static ScratchFolder instance({}, true);
    return instance;
}

std::string scratchPath(const std::string& name)
{
    return scratchFolder().pathOf(name);
}
