#include "operatorview.h"

#include "pinhash.h"

OperatorView::OperatorView(const store::Location& location, QObject* parent)
    : RecordCursor(location.serverChecksPins() ? schema::serverOperatorView()
                                               : schema::operatorTable(),
                   parent),
      m_location(location)
{
    // A shared server keeps no PIN as typed.
    if (m_location.serverChecksPins())
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

Outcome OperatorView::openIn()
{
    return open(m_location.database(schema::kOperatorFile));
}

QString OperatorView::shownPin() const
{
    if (m_location.serverChecksPins() && !fieldChanged(kPassword))
        return {};
    return field(kPassword);
}
