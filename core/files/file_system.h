// Files named in UTF-8, as command lines hold them on every platform: the few
// calls the programs make on them, each platform's own way.
#pragma once

#include <cstdio>
#include <string>

namespace movra::files {

// std::fopen's modes; on failure, errno says why.
std::FILE* OpenFile(const std::string& name, const char* mode);

bool IsDirectory(const std::string& name);

// Through another path or a link too; a file that does not exist is no other.
bool SameFile(const std::string& first, const std::string& second);

}  // namespace movra::files
