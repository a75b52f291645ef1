// Where a file's name is its bytes (POSIX, the web): the standard library's calls.
#include "core/files/file_system.h"

#include <filesystem>
#include <system_error>

namespace movra::files {

std::FILE* OpenFile(const std::string& name, const char* mode) { return std::fopen(name.c_str(), mode); }

// By its name: the standard library has no call on an open file for it.
void EmptyFile(std::FILE*, const std::string& name) {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(name, ignored)) std::filesystem::resize_file(name, 0, ignored);
}

bool IsDirectory(const std::string& name) {
    std::error_code ignored;
    return std::filesystem::is_directory(name, ignored);
}

bool SameFile(const std::string& first, const std::string& second) {
    std::error_code missing;
    return std::filesystem::equivalent(first, second, missing);
}

}  // namespace movra::files
