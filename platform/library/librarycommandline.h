#pragma once

#include <QCommandLineOption>
#include <QString>

class QCommandLineParser;

// The library's command-line options, for scripts, without a display:
//   --library FILE                the library to use (also for the window)
//   --import PATH...              imports voice files and folders
//   --find QUERY                  lists the voices a query finds
//   --similar ID                  lists the ten voices nearest to one by sound
//   --export QUERY --output DIR   writes the voices a query finds to a folder
class LibraryCommandLine
{
public:
    // Adds the options to `parser`, which keeps a pointer to nothing here.
    explicit LibraryCommandLine(QCommandLineParser *parser);

    // After the parser has processed the arguments: makes --library the
    // library of the window and, when a library command was given, carries
    // it out and returns its exit status with *done set. `output` is the
    // value of --output.
    int run(const QString &output, bool *done);

    // The library the window uses: the one given with --library, or the
    // default one.
    static QString libraryPath();
    // Makes `path` the library of the window, as --library does.
    static void useLibrary(const QString &path);

private:
    int import(const QString &library);
    int find(const QString &library);
    int similar(const QString &library);
    int exportVoices(const QString &library, const QString &output);

    QCommandLineParser *m_parser;
    QCommandLineOption m_library;
    QCommandLineOption m_import;
    QCommandLineOption m_find;
    QCommandLineOption m_similar;
    QCommandLineOption m_export;
};
