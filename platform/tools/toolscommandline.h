#pragma once

#include <QCommandLineOption>
#include <QList>

class QCommandLineParser;
class TParameterMemory;

// The sound tools for scripts, without a display:
//
//   zinta-editor --voice IN.json --randomise PCT [--seed N] [--lock PATTERN]... --save OUT.json
//   zinta-editor --voice IN.json --mutate PCT [--types-above PCT] [--seed N] [--lock PATTERN]...
//   --save OUT.json zinta-editor --voice IN.json --morph OTHER.json --amount PCT [--lock
//   PATTERN]... --save OUT.json
//
// The same seed and input give the same output on every machine; without
// --seed a seed is drawn and printed, so that the run can be repeated.
namespace ToolsCommandLine {

// The options, for the program's parser.
QList<QCommandLineOption> options();

// Whether the arguments ask for a tool.
bool isWanted(const QCommandLineParser &parser);

// Runs the tool the arguments ask for on the voice of --voice and writes
// --save; prints what it did. The program's exit status: 0, or 1 with the
// reason on standard error.
int run(const QCommandLineParser &parser, TParameterMemory &memory);

} // namespace ToolsCommandLine
