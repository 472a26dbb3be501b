#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QString>

// Files the operator names for the program to write: an export, a printed
// list, the monitor's session.
namespace outputfile {

// What a write does with a FIFO that no program reads yet: wait for one, as
// a shell's redirection does, or refuse at once (a window must not freeze).
enum class Reader { Wait, Refuse };

// Refuses, before anything is made, what no file can be written to: a
// folder, a disk, a socket, a path that cannot be looked at; and, wherever it
// lies, a file that holds an SQLite database or bears the name of one of the
// program's databases or of a file SQLite keeps beside one (-journal, -wal,
// -shm), itself or through a link. A missing file is fine.
Outcome check(const QString& path);
// The same for a file written from the room file at databaseFile, refusing
// first a path that lands on a database of its folder or one of their side
// files.
Outcome checkBeside(const QString& databaseFile, const QString& path);

// True when path names something written straight, which takes each write
// as more rather than as a new whole (a FIFO, a terminal, /dev/null).
bool isStream(const QString& path);

// Writes bytes to path. A regular file (or a new one) is replaced through a
// temporary file renamed over it, so it changes only when complete; a FIFO
// or a character device is written straight and stays what it is; the file
// this process already writes as its standard output or error (as
// /dev/stdout names it) gets the bytes where that output stands.
Outcome write(const QString& path, const QByteArray& bytes, Reader reader = Reader::Wait);

} // namespace outputfile
