#include "operatorview.h"

#include "database.h"

OperatorView::OperatorView(QObject* parent) : RecordCursor(schema::operatorTable(), parent) {}

Outcome OperatorView::openIn(const QString& appDir)
{
    return open(database::pathIn(appDir, schema::kOperatorFile));
}
