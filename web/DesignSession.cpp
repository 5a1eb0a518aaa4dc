#include "web/DesignSession.h"

#include "app/DesignValueListing.h"
#include "app/DesignValues.h"
#include "app/ValueAssignment.h"
#include "feed/FeedImport.h"
#include "feed/ImportedMessages.h"
#include "generator/BuiltInTexts.h"
#include "generator/Generator.h"
#include "generator/PageRoundTrip.h"
#include "project/FileNames.h"
#include "project/InputFile.h"
#include "project/MessageTarget.h"
#include "project/ProjectEncoding.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "project/RecordMarkers.h"
#include "project/TextEncoding.h"
#include "project/TextFile.h"

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

namespace fs = std::filesystem;
using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// Texts from outside may hold any bytes; JSON for the page stays valid whatever they are.
template <typename Json> std::string dumped(const Json& value, int indent = -1)
{
    return value.dump(indent, ' ', false, json::error_handler_t::replace);
}

const char* kindName(DesignValue::Kind kind)
{
    switch (kind) {
    case DesignValue::Digits:
        return "digits";
    case DesignValue::Line:
        return "line";
    case DesignValue::BoxName:
        return "box-name";
    case DesignValue::ImageFile:
        return "image-file";
    case DesignValue::Number:
        return "number";
    case DesignValue::Choice:
        return "choice";
    case DesignValue::Tick:
        return "tick";
    case DesignValue::Colour:
        return "colour";
    case DesignValue::Messages:
        return "messages";
    }
    return "";
}

// The fields whose text goes into the box's scripts as typed refuse a record marker where it is typed.
Expected<void> freeOfKeyText(std::string_view caption, std::string_view value)
{
    if (const auto keyText = RecordMarkers::keyTextIn(value))
        return Error::refused(std::string(caption) + " holds \"" + *keyText +
                              "\", which the project file uses to mark a record");
    return {};
}

std::vector<std::string> sortedNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

DesignSession::DesignSession()
{
    openDefault();
}

void DesignSession::openDefault()
{
    ProjectRecord record;
    // The built-in project is part of the program: it always reads.
    static_cast<void>(ProjectReader(BuiltInTexts::defaultProject()).readProject(record));
    record_ = std::move(record);
}

Expected<void> DesignSession::open(const std::string& path)
{
    ProjectRecord record;
    record.useDefaultProject = ProjectRecord::readProjectPath;
    record.projectPath = path;
    if (auto read = ProjectReader(BuiltInTexts::defaultProject()).readProject(record); !read.ok())
        return read;
    record_ = std::move(record);
    return {};
}

Expected<void> DesignSession::assign(std::string_view name, std::string_view value)
{
    auto assignment = ValueAssignment::parse(std::string(name) + "=" + std::string(value));
    if (!assignment.ok())
        return assignment.error();
    const DesignValue& named = assignment.value().value();
    if (named.kind == DesignValue::Line || named.kind == DesignValue::BoxName)
        if (auto free = freeOfKeyText(named.caption, value); !free.ok())
            return free;
    return ValueAssignment::applyAll({std::move(assignment.value())}, record_);
}

std::string DesignSession::shown() const
{
    return DesignValueListing::asJson(record_);
}

std::string DesignSession::checked(const std::string& imageFolder) const
{
    json all = json::array();
    for (const DesignFinding& finding : DesignCheck::findings(asChecked(record_), imageFolder))
        all.push_back({{"step", finding.step},
                       {"field", finding.field},
                       {"message", finding.message},
                       {"code", finding.code},
                       {"text", finding.text}});
    return dumped(all, 2);
}

Expected<std::string> DesignSession::generate(const std::string& folder, const std::string& imageFolder) const
{
    std::error_code status;
    fs::remove_all(folder, status);
    fs::create_directories(folder, status);
    ProjectRecord record = record_;
    record.workFolder = (fs::path(folder) / "").string();
    PageRoundTrip::apply(record);
    GeneratedTexts texts;
    if (auto generated = Generator::GenerateOutputs(record, texts); !generated.ok())
        return generated.error();
    std::vector<std::string> warnings;
    if (record.bgImageOn == ProjectRecord::ticked)
        if (auto brought = bringBackgroundImage(record, imageFolder, folder); !brought.ok())
            warnings.push_back(brought.error().message());
    return dumped(ordered_json{
        {"snippet", inUtf8(texts.embedSnippet)}, {"files", sortedNames(folder)}, {"warnings", warnings}});
}

Expected<void> DesignSession::save(const std::string& path) const
{
    ProjectRecord record = record_;
    PageRoundTrip::apply(record);
    record.projectPath = path;
    return ProjectWriter::writeProject(record);
}

// Added at the end through the import's encoding rule, which keeps one encoding for the whole design.
Expected<void> DesignSession::addMessage(const Message& typed)
{
    if (auto free = freeOfKeyText("Link", typed.link); !free.ok())
        return free;
    if (auto free = freeOfKeyText("Target Frame", typed.target); !free.ok())
        return free;
    Message message = typed;
    for (std::string* text : {&message.title, &message.text})
        if (RecordMarkers::holdsKeyText(*text))
            *text = RecordMarkers::inertHtml(*text);
    message.target = MessageTarget::byRule(typed.target);
    ImportedMessages::put(record_, {std::move(message)}, true);
    return {};
}

Expected<void> DesignSession::editMessage(int index, Message typed, bool textTyped)
{
    if (index < 0 || index >= record_.messageCount())
        return Error::usage("there is no message " + std::to_string(index + 1));
    if (!textTyped)
        typed.text = inUtf8(record_.message(index).text);
    if (auto added = addMessage(typed); !added.ok())
        return added;
    const int last = record_.messageCount() - 1;
    Message edited = record_.message(last);
    if (!textTyped)
        edited.text = record_.message(index).text;
    record_.removeMessage(last);
    record_.replaceMessage(index, std::move(edited));
    return {};
}

bool DesignSession::removeMessage(int index)
{
    return record_.removeMessage(index);
}

bool DesignSession::moveMessage(int index, bool up)
{
    return up ? record_.moveMessageUp(index) : record_.moveMessageDown(index);
}

Expected<std::size_t> DesignSession::readFeed(const std::string& path)
{
    feed_.reset();
    auto file = InputFile::open(path);
    if (!file.ok())
        return file.error();
    auto bytes = file.value().readAll(FeedImport::maxBytes);
    if (!bytes.ok())
        return bytes.error();
    auto items = FeedImport::items(bytes.value());
    if (!items.ok())
        return items.error();
    const std::size_t count = items.value().kept.size();
    feed_.emplace(std::move(items.value()));
    return count;
}

Expected<std::string> DesignSession::feedPreview(const FeedOptions& options, std::size_t rows)
{
    if (!feed_)
        return Error::usage("no feed has been read");
    auto first = feed_->firstMessages(options, rows);
    if (!first.ok())
        return first.error();
    const FeedSelection::Summary summary = feed_->summary(static_cast<std::size_t>(options.maxItems));
    ordered_json messages = ordered_json::array();
    for (const Message& message : first.value())
        messages.push_back({{"title", message.title}, {"text", message.text}, {"link", message.link}});
    return dumped(ordered_json{
        {"messages", messages}, {"count", summary.messageCount}, {"warnings", summary.warnings}});
}

Expected<void> DesignSession::importFeed(const FeedOptions& options, bool append)
{
    if (!feed_)
        return Error::usage("no feed has been read");
    auto made = FeedImport::messages(feed_->items(), options);
    if (!made.ok())
        return made.error();
    ImportedMessages::put(record_, std::move(made.value().messages), append);
    return {};
}

std::string DesignSession::valuesJson()
{
    ordered_json all = ordered_json::array();
    for (const DesignValue& value : DesignValues::all())
        all.push_back({{"name", value.name},
                       {"step", value.step},
                       {"caption", value.caption},
                       {"kind", kindName(value.kind)},
                       {"choices", DesignValues::choices(value)}});
    return dumped(all);
}

// The design as the check reads it: the font faces worked out as the wizard's pages do, every other
// value as the file holds it, so that a value outside its list is reported as it stands.
ProjectRecord DesignSession::asChecked(ProjectRecord record)
{
    record.textFontFace =
        PageRoundTrip::fontFace(record.textUseCustomFont, record.textCustomFont, record.textFontIndex);
    record.titleFontFace =
        PageRoundTrip::fontFace(record.titleUseCustomFont, record.titleCustomFont, record.titleFontIndex);
    return record;
}

std::string DesignSession::inUtf8(const std::string& bytes) const
{
    if (ProjectEncoding::of(record_) == ProjectEncoding::Utf8)
        return bytes;
    return TextEncoding::encodeUtf8(TextEncoding::decodeWindows1252(bytes));
}

// The page names the image by its bare name, so it goes beside the generated files; a name with a folder
// part, or an image that is missing, is among the design check's findings instead.
Expected<void> DesignSession::bringBackgroundImage(const ProjectRecord& record, const std::string& from,
                                                   const std::string& to)
{
    const std::string name = Generator::imageFileName(record);
    std::error_code status;
    const fs::path source = fs::path(from) / name;
    if (!FileNames::isPlain(name) || !fs::is_regular_file(source, status))
        return {};
    return TextFile::copy(source.string(), (fs::path(to) / name).string());
}
