// What a window program says on its command line reaches the user: in the console it was started from, or a message box.
#pragma once

#include <string>
#include <vector>

namespace movra::win32 {

// The arguments after the program's name, as UTF-8, read through the wide API.
std::vector<std::string> CommandLineWords();

// out and err (UTF-8) go to standard output and error where they lead to a
// file or pipe, else to the console of the parent process; with neither, they
// are shown together in a message box.
void Tell(const std::string& out, const std::string& err);

}  // namespace movra::win32
