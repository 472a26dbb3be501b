#include "loaddefault.h"

#include "frames.h"
#include "seriallink.h"
#include "transferrecorder.h"

LinkResult loadDefault(SerialLink& link)
{
    using Command = LinkResult::Command;
    TransferRecorder recorder(link, TransferRecord::What::LoadDefault);
    if (std::optional<LinkResult> refused = refusal(link, Command::LoadDefault))
        return recorder.refused(*refused);
    SerialLink::Transfer transfer(link);
    recorder.start();
    if (!link.run(frames::loadDefault()))
        return recorder.finish(LinkResult::of(Command::LoadDefault, LinkResult::Kind::LinkFailed,
                                              link.failureDescription()));
    return recorder.finish(LinkResult::of(Command::LoadDefault));
}
