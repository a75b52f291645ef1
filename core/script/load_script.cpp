// Reading a script file by name: apart from the reader, so that a program
// that never opens a file by name (the web page) links no file system.
#include <cerrno>
#include <memory>
#include <system_error>

#include "core/files/file_system.h"
#include "core/script/script.h"

namespace movra::script {

std::vector<Command> LoadScript(const std::string& name) {
    const auto fail = [&](int error) { throw std::system_error(error, std::generic_category(), "cannot read " + name); };
    // A directory opens on some systems and fails only at the first read;
    // elsewhere it fails to open with a vaguer reason.
    if (files::IsDirectory(name)) fail(EISDIR);
    errno = 0;
    // Text mode, as a stream opened it: on Windows "\r\n" reads as "\n" and Ctrl+Z ends the file.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(files::OpenFile(name, "r"), std::fclose);
    if (!file) fail(errno ? errno : EIO);
    std::vector<Command> commands = ReadScript(file.get());
    if (std::ferror(file.get())) fail(EIO);
    return commands;
}

}  // namespace movra::script
