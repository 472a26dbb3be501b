#include "operatorview.h"

#include "database.h"

OperatorView::OperatorView(QObject* parent) : RecordCursor(schema::operatorTable(), parent) {}

void OperatorView::recordAs(const changerecord::Actor& who)
{
    setChangeRecorder(std::make_shared<changerecord::RowRecorder>(
        changerecord::RowRecorder::Table::Operators, who, layout().fieldNames()));
}

Outcome OperatorView::openIn(const QString& appDir)
{
    return open(database::pathIn(appDir, schema::kOperatorFile));
}
