#pragma once

#include <QSqlDatabase>
#include <QString>

// The library file: an SQLite database that says what it is (its
// application_id) and which layout it holds (its user_version). Opening
// creates a missing library, upgrades an older one in place in one
// transaction, and refuses, without writing to it, a file that is not a
// library, is damaged, or was made by a newer editor.
//
// Each thread opens its own connection under its own name. Connections wait
// for each other (write-ahead log, a busy timeout) rather than fail, so two
// editors can use one library.
namespace LibraryDatabase {

// "ZVLB": what the file's header says it is.
constexpr int applicationId = 0x5A564C42;
// The layout this editor writes. 1: voices, their non-default values and
// the word index; 2: hidden voices and the features of each voice's sound;
// 3: the voices indexed by type; 4: the hidden voices and the favourites
// indexed.
constexpr int currentVersion = 4;
// How long a connection waits for another that is writing, in milliseconds.
constexpr int busyTimeout = 15000;

// The library used when none is given: library.sqlite in the application's
// data folder.
QString defaultPath();

// Opens the library at `path` as connection `connection` and brings it to
// `version` (currentVersion unless a test builds an older one). On failure
// returns false with *error saying why, and removes the connection.
bool open(const QString &path, const QString &connection, QString *error,
          int version = currentVersion);
// Closes and removes the connection.
void close(const QString &connection);

// The layout version of an open library.
int version(QSqlDatabase db);

} // namespace LibraryDatabase
