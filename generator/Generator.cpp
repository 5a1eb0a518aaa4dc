#include "generator/Generator.h"

#include "generator/HostPage.h"
#include "generator/LinkCode.h"
#include "generator/MessageDataScript.h"
#include "generator/ScriptFiller.h"
#include "generator/ScriptText.h"
#include "generator/TemplateFields.h"
#include "project/FileNames.h"
#include "project/TextFile.h"

namespace {

constexpr std::string_view crlf = "\r\n";

// A name with a path separator would put the files outside the working folder; it is refused the way
// a file system refuses a name it cannot hold.
Expected<void> writeBoxFile(const ProjectRecord& record, const std::string& suffix, const std::string& text)
{
    const std::string path = record.workFolder + Generator::boxFileName(record, suffix);
    if (FileNames::holdsSeparator(record.scrollerName))
        return Error::file(path, "cannot be written: the name of the news box holds a path separator");
    return TextFile::replace(path, text);
}

Expected<void> WriteOutputFiles(const ProjectRecord& record, GeneratedTexts& texts)
{
    const std::string previewPage = LinkCode::BuildPreviewPage(texts.embedSnippet);
    LinkCode::FinishScripts(texts);
    if (auto done = TextFile::replace(record.workFolder + "preview.html", previewPage); !done.ok())
        return done;
    if (auto done = writeBoxFile(record, "newstic.html", texts.hostPageText); !done.ok())
        return done;
    texts.standardsScriptText = texts.messageDataScript + std::string(crlf) + texts.standardsScriptText;
    if (auto done = writeBoxFile(record, "newsticns6.js", texts.standardsScriptText); !done.ok())
        return done;
    texts.ieScriptText = texts.messageDataScript + std::string(crlf) + texts.ieScriptText;
    if (auto done = writeBoxFile(record, "newsticie.js", texts.ieScriptText); !done.ok())
        return done;
    return {};
}

} // namespace

Expected<void> Generator::GenerateOutputs(const ProjectRecord& record, GeneratedTexts& texts)
{
    if (auto allowed = TemplateFields::freeOfPlaceholders(record); !allowed.ok())
        return allowed;
    texts.embedSnippet = HostPage::embedSnippet(record);
    texts.hostPageText = HostPage::BuildHostPage(record);
    texts.messageDataScript = MessageDataScript::BuildMessageDataScript(record);
    ScriptFiller::FillStandardsScript(record, texts);
    ScriptFiller::FillIeScript(record, texts);
    return WriteOutputFiles(record, texts);
}

std::string Generator::generatedFilesText(const ProjectRecord& record)
{
    const std::string& name = record.scrollerName;
    return name + "newstic.html\r\n" + name + "newsticie.js\r\n" + name + "newsticns6.js";
}

std::string Generator::boxFileName(const ProjectRecord& record, std::string_view file)
{
    return ScriptText(record).fileName(record.scrollerName) + std::string(file);
}

std::string Generator::imageFileName(const ProjectRecord& record)
{
    return ScriptText(record).fileName(record.bgImageName);
}
