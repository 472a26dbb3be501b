#include "loaddefault.h"

#include "frames.h"
#include "seriallink.h"

LinkResult loadDefault(SerialLink& link)
{
    using Command = LinkResult::Command;
    if (std::optional<LinkResult> refused = refusal(link, Command::LoadDefault))
        return *refused;
    SerialLink::Transfer transfer(link);
    if (!link.run(frames::loadDefault()))
        return LinkResult::of(Command::LoadDefault, LinkResult::Kind::LinkFailed,
                              link.failureDescription());
    return LinkResult::of(Command::LoadDefault);
}
