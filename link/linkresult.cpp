#include "linkresult.h"

#include "seriallink.h"

std::optional<LinkResult> refusal(const SerialLink& link, LinkResult::Command command)
{
    using Kind = LinkResult::Kind;
    using Readiness = SerialLink::Readiness;
    const Readiness readiness = link.readiness();
    if (readiness == Readiness::Ready ||
        (command == LinkResult::Command::Download &&
         (readiness == Readiness::Closed || readiness == Readiness::Failed)))
        return std::nullopt;
    LinkResult result = LinkResult::of(command);
    result.port = link.portNumber();
    result.address = link.address();
    switch (readiness) {
    case Readiness::Busy:
        result.kind = Kind::Busy;
        break;
    case Readiness::NotLocked:
        result.kind = Kind::NotLocked;
        break;
    case Readiness::Closed:
        result.kind = Kind::PortClosed;
        break;
    case Readiness::Failed:
        result.kind = Kind::PortFailed;
        result.detail = link.failureDescription();
        break;
    case Readiness::Ready:
        break;
    }
    return result;
}

std::optional<LinkResult> openLink(SerialLink& link, LinkResult::Command command)
{
    if (link.isOpen())
        return std::nullopt;
    const int code = link.open();
    if (code == 0)
        return std::nullopt;
    LinkResult result = LinkResult::of(command);
    result.kind = code == SerialPort::kNoSuchPort ? LinkResult::Kind::NoSuchPort
                                                  : LinkResult::Kind::OpenFailed;
    result.code = code;
    result.port = link.portNumber();
    result.address = link.address();
    result.detail = link.failureDescription();
    return result;
}
