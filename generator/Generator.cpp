#include "generator/Generator.h"

#include "generator/AccessibleBox.h"
#include "generator/FitPageWidth.h"
#include "generator/HostPage.h"
#include "generator/LightMotion.h"
#include "generator/LinkCode.h"
#include "generator/LiveMessages.h"
#include "generator/MessageDataScript.h"
#include "generator/MessagesFile.h"
#include "generator/ScriptFiller.h"
#include "generator/ScriptText.h"
#include "generator/TemplateFields.h"
#include "project/FileNames.h"

#include <unistd.h>

namespace {

constexpr std::string_view crlf = "\r\n";
// What a file name may hold where the folder's own limit cannot be asked.
constexpr long usualNameLimit = 255;

// A name with a path separator would put the files outside the working folder, and one too long for the
// folder cannot be written; both are refused, the way a file system refuses a name it cannot hold, before
// any file is touched, so that no run leaves half a box behind.
Expected<void> boxNameAllowed(const ProjectRecord& record)
{
    const std::string& box = record.scrollerName;
    if (FileNames::holdsSeparator(box)) {
        const std::string host = Generator::boxFileName(record, "newstic.html");
        return Error::file(record.workFolder + host,
                           "cannot be written: the name of the news box holds a path separator")
            .because("name-separator", {host, std::string(1, box[box.find_first_of("/\\")])});
    }
    const std::string name = Generator::boxFileName(record, Generator::longestFileSuffix);
    if (const long limit = Generator::fileNameLimit(record.workFolder);
        static_cast<long>(name.size()) > limit)
        return Error::file(record.workFolder + name,
                           "cannot be written: the name of the news box makes the file name " +
                               std::to_string(name.size()) + " bytes long, more than the " +
                               std::to_string(limit) + " that the folder allows")
            .because("name-too-long", {name, std::to_string(name.size()), std::to_string(limit)});
    return {};
}

// The options follow the runtime's last statement in this order: live messages watch the runtime's own steps,
// the light scheduler takes over the steps, the accessible box holds whichever scheduler runs them, and a box
// that fits the page width lays the messages out again after both have started.
void addOptionScripts(const ProjectRecord& record, std::string& standardsScript)
{
    if (LightMotion::isOn(record))
        LightMotion::adapt(standardsScript, record);
    if (LiveMessages::isOn(record))
        standardsScript += LiveMessages::script(record);
    if (LightMotion::isOn(record))
        standardsScript += LightMotion::script(record);
    if (AccessibleBox::isOn(record))
        standardsScript += AccessibleBox::script(record);
    if (FitPageWidth::isOn(record))
        standardsScript += FitPageWidth::script(record);
}

// The files in the order in which they were always written; they now take their places together.
std::vector<FileSet::File> outputFiles(const ProjectRecord& record, GeneratedTexts& texts)
{
    const bool accessible = AccessibleBox::isOn(record);
    std::string previewPage =
        LinkCode::BuildPreviewPage(texts.embedSnippet, accessible ? AccessibleBox::languageAttribute : "");
    LinkCode::FinishScripts(texts);
    addOptionScripts(record, texts.standardsScriptText);
    texts.standardsScriptText = texts.messageDataScript + std::string(crlf) + texts.standardsScriptText;
    texts.ieScriptText = texts.messageDataScript + std::string(crlf) + texts.ieScriptText;
    std::vector<FileSet::File> files{
        {"preview.html", std::move(previewPage)},
        {Generator::boxFileName(record, "newstic.html"), texts.hostPageText},
        {Generator::boxFileName(record, "newsticns6.js"), texts.standardsScriptText},
        {Generator::boxFileName(record, "newsticie.js"), texts.ieScriptText}};
    if (LiveMessages::isOn(record))
        files.push_back(
            {Generator::boxFileName(record, MessagesFile::suffix), MessagesFile::ofDesign(record)});
    return files;
}

} // namespace

Expected<std::vector<FileSet::File>> Generator::BuildOutputFiles(const ProjectRecord& record,
                                                                 GeneratedTexts& texts)
{
    if (auto allowed = TemplateFields::freeOfPlaceholders(record); !allowed.ok())
        return allowed.error();
    if (auto allowed = boxNameAllowed(record); !allowed.ok())
        return allowed.error();
    texts.embedSnippet = HostPage::embedSnippet(record);
    texts.hostPageText = HostPage::BuildHostPage(record);
    texts.messageDataScript = MessageDataScript::BuildMessageDataScript(record);
    ScriptFiller::FillStandardsScript(record, texts);
    ScriptFiller::FillIeScript(record, texts);
    return outputFiles(record, texts);
}

Expected<void> Generator::GenerateOutputs(const ProjectRecord& record, GeneratedTexts& texts)
{
    auto files = BuildOutputFiles(record, texts);
    if (!files.ok())
        return files.error();
    return FileSet::write(record.workFolder, files.value());
}

std::string Generator::generatedFilesText(const ProjectRecord& record)
{
    const std::string& name = record.scrollerName;
    const std::string files = name + "newstic.html\r\n" + name + "newsticie.js\r\n" + name + "newsticns6.js";
    return LiveMessages::isOn(record) ? files + "\r\n" + name + std::string(MessagesFile::suffix) : files;
}

std::string Generator::boxFileName(const ProjectRecord& record, std::string_view file)
{
    return ScriptText(record).fileName(record.scrollerName) + std::string(file);
}

std::string Generator::imageFileName(const ProjectRecord& record)
{
    return ScriptText(record).fileName(record.bgImageName);
}

long Generator::fileNameLimit(const std::string& folder)
{
    const long limit = pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? limit : usualNameLimit;
}
