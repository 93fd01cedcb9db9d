#pragma once
// What the window takes from its command line: a chart file to open (ours,
// or another program's .jhd or .mtx) and `--lang en|hi`, the language of
// this run (Options › Language keeps the choice for later runs).

#include "core/records/language.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace rashi {

struct WindowCommandLine {
    QString chart;                   // absolute, or empty
    std::optional<Language> language;
    QString problem;                 // why the command line was refused, or empty
    bool done = false;               // --help or --version printed: nothing to run
};

// The program's arguments, its name first. Help and version go to standard
// output; a refusal's words are in `problem`.
WindowCommandLine ParseWindowCommandLine(const QStringList& arguments);

// Whether the arguments ask for --help or --version (then nothing else runs).
bool AsksForHelpOrVersion(const QStringList& arguments);

} // namespace rashi
