// Files named in UTF-8, as command lines hold them on every platform: the few
// calls the programs make on them, each platform's own way.
#pragma once

#include <cstdio>
#include <string>

namespace movra::files {

// std::fopen's modes; on failure, errno says why.
std::FILE* OpenFile(const std::string& name, const char* mode);

// The open file, named name, emptied if it is a disk file: a pipe, a
// terminal or a device has nothing to empty.
void EmptyFile(std::FILE* file, const std::string& name);

bool IsDirectory(const std::string& name);

// Through another path or a link too; a file that does not exist is no other.
bool SameFile(const std::string& first, const std::string& second);

}  // namespace movra::files
