// Feeds arbitrary bytes to the package reader as a package file, then extracts every member it
// lists: any outcome but a clean result or a FileLoadingFailed is a fault.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <string>
#include <vector>

#include "jwe/Exceptions.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"

namespace {

struct Files {
    ScratchFolder scratch;
    std::string package = scratch.pathOf("package.pjw");
    std::string output = scratch.pathOf("member.out");
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Files files;
    std::FILE* out = std::fopen(files.package.c_str(), "wb");
    if (out == nullptr) {
        std::abort();
    }
    std::fwrite(data, 1, size, out);
    std::fclose(out);
    try {
        Package package(files.package);
        if (package.memberNames().size() != package.memberSizes().size() || package.memberNames().size() > 255) {
            std::abort();
        }
        // Extracting all of up to 255 members makes every run slow without reaching code the
        // first few and the last do not reach.
        const std::vector<std::string>& names = package.memberNames();
        std::vector<std::string> tried(names.begin(), names.begin() + std::min<size_t>(names.size(), 4));
        if (names.size() > 4) {
            tried.push_back(names.back());
        }
        for (const std::string& name : tried) {
            if (name.size() > 63) {
                std::abort();
            }
            try {
                package.extractTo(name, files.output);
                std::FILE* extracted = std::fopen(files.output.c_str(), "rb");
                std::fseek(extracted, 0, SEEK_END);
                const long length = std::ftell(extracted);
                std::fclose(extracted);
                // What comes out is exactly the stated size.
                bool matched = false;
                for (size_t i = 0; i < package.memberNames().size(); ++i) {
                    if (package.memberNames()[i] == name) {
                        matched = length == package.memberSizes()[i];
                        break;
                    }
                }
                if (!matched) {
                    std::abort();
                }
            } catch (const FileLoadingFailed&) {
                // A failed extraction must not leave its output behind.
                if (access(files.output.c_str(), F_OK) == 0) {
                    std::abort();
                }
            }
            std::remove(files.output.c_str());
        }
    } catch (const FileLoadingFailed&) {
    }
    return 0;
}
