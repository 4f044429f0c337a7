// PJW packages: a short header, a plain-text directory of names and sizes, then each member's
// bytes shifted by the key, one separator byte between members.
#include "jwe/Package.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "jwe/Exceptions.h"
#include "jwe/ScratchFolder.h"

namespace {

// Directory words (names and size texts) fit 63 characters and a terminator.
constexpr size_t wordBufferSize = 64;
const char* const directoryEndsEarly = "Package directory ends before its last entry.";

}  // namespace

Package::Package(const std::string& path) : path(path), file(std::fopen(path.c_str(), "rb"))
{
    if (!file) {
        throw FileLoadingFailed(path, "Read-mode opening failed.");
    }
    // The magic is read as a line of at most three characters, so a line break ends it early.
    char magic[4] = {};
    for (size_t i = 0; i < 3; ++i) {
        const int c = std::fgetc(file.get());
        if (c == EOF) {
            break;
        }
        magic[i] = static_cast<char>(c);
        if (c == '\n') {
            break;
        }
    }
    if (std::strcmp(magic, "PJW") != 0) {
        file.reset();
        throw FileLoadingFailed(path, "File is not PJW package file.");
    }
    if (std::fgetc(file.get()) != '1') {
        file.reset();
        throw FileLoadingFailed(path, "Wrong PJW package file version.");
    }
    readDirectory();
}

Package::~Package()
{
    if (file) {
        close();
    }
}

void Package::readDirectory()
{
    const int keyByte = std::fgetc(file.get());
    const int countByte = std::fgetc(file.get());
    if (keyByte == EOF || countByte == EOF) {
        file.reset();
        throw FileLoadingFailed(path, directoryEndsEarly);
    }
    key = static_cast<uint8_t>(keyByte);
    count = countByte;
    for (int i = 0; i < count; ++i) {
        names.push_back(readDirectoryWord("Member name in the package directory is too long."));
        const std::string sizeText = readDirectoryWord("Member size in the package directory is too long.");
        // Read like the runtime's decimal conversion (leading blanks, a sign, digits up to the
        // first other character), but a size that does not fit a member is damage.
        errno = 0;
        const long long size = std::strtoll(sizeText.c_str(), nullptr, 10);
        if (size < 0) {
            file.reset();
            throw FileLoadingFailed(path, "Member size in the package directory is negative.");
        }
        if (errno == ERANGE || size > std::numeric_limits<int32_t>::max()) {
            file.reset();
            throw FileLoadingFailed(path, "Member size in the package directory is too large.");
        }
        sizes.push_back(static_cast<int32_t>(size));
    }
    dataStart = std::ftell(file.get());
    struct stat status {};
    fileSize = fstat(fileno(file.get()), &status) == 0 ? status.st_size : 0;
}

std::string Package::readDirectoryWord(const char* tooLongDetail)
{
    char word[wordBufferSize] = {};
    size_t length = 0;
    for (;;) {
        const int c = std::fgetc(file.get());
        if (c == EOF) {
            file.reset();
            throw FileLoadingFailed(path, directoryEndsEarly);
        }
        if (c == ' ') {
            return std::string(word, length);
        }
        if (length == wordBufferSize - 1) {
            file.reset();
            throw FileLoadingFailed(path, tooLongDetail);
        }
        word[length++] = static_cast<char>(c);
    }
}

size_t Package::indexOf(const std::string& member) const
{
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == member) {
            return i;
        }
    }
    throw FileLoadingFailed(member, "Not found inside package.");
}

void Package::extract(const std::string& member)
{
    extractTo(member, scratchPath("temp.tmp"));
}

void Package::extractTo(const std::string& member, const std::string& outputPath)
{
    indexOf(member);  // an unknown member must not replace the output file
    std::FILE* out = std::fopen(outputPath.c_str(), "wb");
    if (out == nullptr) {
        throw FileLoadingFailed(outputPath, "Failed to open output stream.");
    }
    try {
        extractToStream(member, out, outputPath);
    } catch (...) {
        std::fclose(out);
        std::remove(outputPath.c_str());
        throw;
    }
    if (std::fclose(out) != 0) {
        std::remove(outputPath.c_str());
        throw FileLoadingFailed(outputPath, "Failed to write output stream.");
    }
}

void Package::extractToStream(const std::string& member, std::FILE* out, const std::string& outputName)
{
    if (!file) {
        throw FileLoadingFailed(path, "Package is closed.");
    }
    const size_t index = indexOf(member);
    // One separator byte lies between the data of two members.
    int64_t offset = dataStart + static_cast<int64_t>(index);
    for (size_t i = 0; i < index; ++i) {
        offset += sizes[i];
    }
    const int64_t size = sizes[index];
    if (offset + size > fileSize || std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0) {
        throw FileLoadingFailed(path, "Data of member \"" + member + "\" ends before its stated size.");
    }
    unsigned char buffer[16384];
    int64_t left = size;
    while (left > 0) {
        const size_t wanted = left < static_cast<int64_t>(sizeof buffer) ? static_cast<size_t>(left) : sizeof buffer;
        const size_t got = std::fread(buffer, 1, wanted, file.get());
        if (got == 0) {
            throw FileLoadingFailed(path, "Data of member \"" + member + "\" ends before its stated size.");
        }
        for (size_t i = 0; i < got; ++i) {
            buffer[i] = static_cast<unsigned char>(buffer[i] - key);
        }
        if (std::fwrite(buffer, 1, got, out) != got) {
            throw FileLoadingFailed(outputName, "Failed to write output stream.");
        }
        left -= static_cast<int64_t>(got);
    }
}

void Package::close()
{
    file.reset();
    scratchFolder().removeFile("temp.tmp");
    names.clear();
    sizes.clear();
}
