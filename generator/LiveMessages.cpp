#include "generator/LiveMessages.h"

#include "generator/BuiltInTexts.h"
#include "generator/MessagesFile.h"
#include "generator/RuntimeKind.h"
#include "generator/ScriptFiller.h"
#include "generator/ScriptText.h"
#include "generator/TextReplace.h"

std::string LiveMessages::script(const ProjectRecord& record)
{
    const std::string file = MessagesFile::ofDesign(record);
    const int seconds = ProjectRecord::heldLiveSeconds(record.liveSeconds);
    std::string script =
        ScriptFiller::filled(BuiltInTexts::liveMessagesStd(), record,
                             {{"livekindvr", RuntimeKind::of(record)},
                              {"liveeveryvr", std::to_string(seconds)},
                              {"livehashvr", std::to_string(MessagesFile::fingerprint(file))},
                              {"livesizevr", std::to_string(file.size())}});
    // The box name may hold a token of the runtimes ("tichvr6_"), so it goes in once they are all filled.
    TextReplace::ReplaceBounded(script, "livefilevr",
                                ScriptText(record).address(record.scrollerName) +
                                    std::string(MessagesFile::suffix));
    return script;
}
