#include "program.h"

#include "database.h"
#include "doorunitwatch.h"
#include "operatorview.h"
#include "portfactory.h"
#include "roomdirectoryview.h"
#include "schema.h"
#include "seriallink.h"
#include "serverannouncements.h"

Program::Program(const store::Location& location, SerialPort& port, Pauser& pauser)
    : m_location(location), m_port(port), m_pauser(pauser),
      m_doorUnit(std::make_unique<DoorUnitWatch>(location.database(schema::kDirectoryFile)))
{
    // On a shared server the panel follows what other PCs send and change.
    m_announcements = ServerAnnouncements::of(m_location);
    if (m_announcements) {
        QObject::connect(m_announcements.get(), &ServerAnnouncements::changed, m_doorUnit.get(),
                         [this] { m_doorUnit->reload(); });
    }
}

Program::~Program() = default;

void Program::setOperatorName(const QString& name)
{
    m_operatorName = name;
    m_doorUnit->recordAs(actor());
}

Outcome Program::openOperators()
{
    if (m_operators)
        return Outcome::success();
    auto view = std::make_unique<OperatorView>(m_location);
    view->recordAs(actor());
    if (Outcome opened = view->openIn(); !opened)
        return opened;
    m_operators = std::move(view);
    return Outcome::success();
}

RoomDirectoryView& Program::freshDirectory()
{
    if (m_directory)
        m_closingDirectories.push_back(std::move(m_directory));
    m_directory = std::make_unique<RoomDirectoryView>();
    m_directory->recordAs(actor());
    return *m_directory;
}

void Program::discardDirectory(const RoomDirectoryView& rooms)
{
    if (m_directory.get() == &rooms)
        m_directory.reset();
    std::erase_if(m_closingDirectories,
                  [&rooms](const auto& closing) { return closing.get() == &rooms; });
}

SerialLink& Program::freshLink()
{
    m_link = std::make_unique<SerialLink>(m_port, m_pauser);
    m_link->setRecording({m_location.database(schema::kDirectoryFile), m_operatorName,
                          [this] { m_doorUnit->reload(); }, unit()});
    return *m_link;
}

qint64 Program::unit() const
{
    return m_doorUnit->unit();
}

void Program::setUnit(qint64 unit)
{
    if (m_link) {
        TransferTarget target = m_link->recording();
        target.unit = unit;
        m_link->setRecording(std::move(target));
    }
    m_doorUnit->setUnit(unit);
}

std::unique_ptr<SerialPort> Program::newPort() const
{
    return m_portMaker ? m_portMaker() : newSerialPort();
}
