#include "dbtool.h"

#include "roomlistdocument.h"
#include "schema.h"

// The printed room list as a PDF file: the one command that lays out text,
// and so the one that needs Qt Gui (quorvane-db-pdf).
namespace dbtool {

int writeRoomListPdf(const store::Location& location, const QString& pdf, Console& console)
{
    RoomListDocument document;
    if (Outcome read = document.load(location.database(schema::kDirectoryFile)); !read) {
        say(console.err, read.description());
        return kFailure;
    }
    const Expected<int> pages = document.writePdf(pdf);
    if (!pages) {
        say(console.err, pages.error());
        return kFailure;
    }
    say(console.out, Text::tr("Wrote the room list of %1 to %2: %n pages.", nullptr, *pages)
                         .arg(Text::tr("%n rooms", nullptr, int(document.rooms().size())), pdf));
    return kSuccess;
}

} // namespace dbtool
