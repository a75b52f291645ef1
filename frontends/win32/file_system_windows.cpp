// Windows names files in UTF-16: the core's file calls through the wide API.
#include "core/files/file_system.h"

#include <windows.h>

#include <io.h>

#include "frontends/win32/text.h"

namespace movra::files {
namespace {

// The volume and the file's index on it name one file, whichever path leads there.
bool Identify(const std::string& name, BY_HANDLE_FILE_INFORMATION& identity) {
    // FILE_FLAG_BACKUP_SEMANTICS: directories open too.
    const HANDLE file = CreateFileW(win32::Wide(name).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool known = GetFileInformationByHandle(file, &identity);
    CloseHandle(file);
    return known;
}

}  // namespace

std::FILE* OpenFile(const std::string& name, const char* mode) {
    return _wfopen(win32::Wide(name).c_str(), win32::Wide(mode).c_str());
}

void EmptyFile(std::FILE* file, const std::string&) {
    const int descriptor = _fileno(file);
    if (GetFileType(HANDLE(_get_osfhandle(descriptor))) == FILE_TYPE_DISK) _chsize_s(descriptor, 0);
}

bool IsDirectory(const std::string& name) {
    const DWORD attributes = GetFileAttributesW(win32::Wide(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SameFile(const std::string& first, const std::string& second) {
    BY_HANDLE_FILE_INFORMATION one, other;
    return Identify(first, one) && Identify(second, other) && one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
           one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

}  // namespace movra::files
