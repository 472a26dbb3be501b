#pragma once

#include "outcome.h"

#include <QString>

// Where the two database files live. The program and the companion find it
// by the same rules, in this order:
//   1. the folder named by --data;
//   2. the folder named by the environment variable QUORVANE_DATA;
//   3. the folder of the executable, when it holds either database file
//      (a build tree, or a copy of the program in a folder of its own);
//   4. $XDG_DATA_HOME/Quorvane, by default ~/.local/share/Quorvane.
namespace datafolder {

enum class Rule { Option, Environment, BesideProgram, UserData };

struct Choice
{
    QString path; // absolute
    Rule rule = Rule::UserData;
};

// The folder chosen for an executable in executableDir; option is the value
// of --data, empty when not given.
Choice resolve(const QString& option, const QString& executableDir);
// The same for the running program.
Choice resolve(const QString& option = {});

// $XDG_DATA_HOME/Quorvane, or ~/.local/share/Quorvane.
QString userDataFolder();

// Words for the rule, e.g. "named by --data", for messages and --help.
QString ruleText(Rule rule);

// A failure saying why the folder cannot hold the database files (it is a
// file, a link that leads nowhere or in a loop, a folder you may not write in,
// or a missing folder that cannot be made); success when it can, or can be created.
Outcome checkUsable(const Choice& choice);

// Creates the user data folder (mode 0700) and its parents when it is the
// folder chosen and is missing; a folder named by --data, QUORVANE_DATA or the
// executable's place must exist already.
Outcome prepare(const Choice& choice);

// What a file written to path would land on among the two databases of
// folder and the files SQLite keeps beside them (-journal, -wal, -shm),
// whatever names it: a link, a hard link, another spelling of the path. In
// words, e.g. "the room database Inhabitant_telnum.mdb"; empty for none.
QString databaseFileAt(const QString& folder, const QString& path);

// A failure naming that file when path lands on one of them, for every
// command that writes a file the operator names.
Outcome refuseDatabaseFile(const QString& folder, const QString& path);

// How to run the companion so the command works when pasted: "quorvane-db"
// when that name on the PATH is the companion beside this program, its full
// path otherwise.
QString companionCommand();

} // namespace datafolder
