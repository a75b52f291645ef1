// The program's command line, read before any window exists.
#pragma once

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <memory>
#include <optional>
#include <vector>

#include "script.h"

namespace movra {

struct CommandLine {
    // Set when the program ends at once: 0 after --help or --version, 2 on a
    // bad command line (reported on the error stream).
    std::optional<int> exitStatus;
    // --record: the file, open for appending and so still as it was; the
    // recording empties it once the program has started.
    std::unique_ptr<QFile> record = nullptr;
    // --play: the recording's commands, read and checked.
    std::optional<std::vector<script::Command>> play = std::nullopt;
};

// arguments: the program's own name first, as in argv.
CommandLine ReadCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace movra
