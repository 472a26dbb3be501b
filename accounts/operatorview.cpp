#include "operatorview.h"

#include "database.h"
#include "pinhash.h"
#include "server.h"

OperatorView::OperatorView(QObject* parent)
    : RecordCursor(server::active() ? schema::serverOperatorView() : schema::operatorTable(),
                   parent)
{
    // A shared server keeps no PIN as typed.
    if (server::active())
        setStoreAs([](int column, const QVariant& typed) {
            return column == kPassword && !typed.isNull()
                       ? QVariant(pinhash::digest(typed.toString()))
                       : typed;
        });
}

void OperatorView::recordAs(const changerecord::Actor& who)
{
    setChangeRecorder(std::make_shared<changerecord::RowRecorder>(
        changerecord::RowRecorder::Table::Operators, who, layout().fieldNames()));
}

Outcome OperatorView::openIn(const QString& appDir)
{
    return open(database::pathIn(appDir, schema::kOperatorFile));
}

QString OperatorView::shownPin() const
{
    if (server::isServerPath(path()) && !fieldChanged(kPassword))
        return {};
    return field(kPassword);
}
