// ExecutableFolder through the kernel's link to the running program.
#include "ExecutableFolder.h"

#include <system_error>

std::filesystem::path ExecutableFolder()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : exe.parent_path();
}
