// The program's command line, read before any window exists.
#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace movra {

struct CommandLine {
    // Set when the program ends at once: 0 after --help or --version, 2 on a
    // bad command line (reported on the error stream).
    std::optional<int> exitStatus;
};

// arguments: the program's own name first, as in argv.
CommandLine ReadCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace movra
