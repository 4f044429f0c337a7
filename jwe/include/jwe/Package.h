// Reader of PJW package files: every asset is copied out of its package to a plain file and
// loaded from there.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class Package {
public:
    // Opens the package and reads its directory; throws FileLoadingFailed naming the path.
    explicit Package(const std::string& path);
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    // Copies a member to the scratch file "temp.tmp" (see scratchPath); the next extract
    // overwrites it and close deletes it.
    void extract(const std::string& member);
    // Copies a member to the named file, replacing it. On a failure no output file is left.
    void extractTo(const std::string& member, const std::string& outputPath);
    // Writes the member's plain bytes to an open stream (the package tool's standard output).
    void extractToStream(const std::string& member, std::FILE* out, const std::string& outputName);
    // Closes the package file, deletes "temp.tmp" and empties the directory.
    void close();

    const std::vector<std::string>& memberNames() const { return names; }
    const std::vector<int32_t>& memberSizes() const { return sizes; }
    uint8_t scramblingKey() const { return key; }

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    size_t indexOf(const std::string& member) const;
    void readDirectory();
    std::string readDirectoryWord(const char* tooLongDetail);

    std::string path;
    std::unique_ptr<std::FILE, FileCloser> file;
    std::vector<std::string> names;
    std::vector<int32_t> sizes;
    int count = 0;
    int64_t dataStart = 0;
    int64_t fileSize = 0;
    uint8_t key = 0;
};
