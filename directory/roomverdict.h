#pragma once

#include "roomcsv.h"
#include "roomrecord.h"

#include <QList>
#include <QStringList>

// Whether each row of a room file may go into the directory, and why not,
// decided before anything is written.
namespace roomverdict {

enum class Verdict { Ok, Warning, Error };

struct RowVerdict
{
    Verdict verdict = Verdict::Ok;
    QStringList reasons;
};

struct Counts
{
    int ok = 0;
    int warnings = 0;
    int errors = 0;
};

// One verdict per row of file, in its order. directory is the room directory
// as it stands; replacing it drops the rooms the file does not name.
QList<RowVerdict> judge(const QList<roomcsv::CsvRow>& file, const QList<RoomRecord>& directory,
                        bool replace);

Counts count(const QList<RowVerdict>& verdicts);

QString verdictName(Verdict verdict);

} // namespace roomverdict
