#include "web/DesignSession.h"

#include "design/BackgroundImage.h"
#include "design/DesignFile.h"
#include "design/DesignFindings.h"
#include "design/DesignPublication.h"
#include "design/DesignValueListing.h"
#include "design/DesignValues.h"
#include "design/ValueAssignment.h"
#include "feed/FeedFile.h"
#include "feed/FeedImport.h"
#include "feed/ImportedMessages.h"
#include "project/MessageTarget.h"
#include "project/ProjectEncoding.h"
#include "project/RecordMarkers.h"
#include "project/TextEncoding.h"

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
    case DesignValue::Choice:
        return "choice";
    case DesignValue::Tick:
        return "tick";
    case DesignValue::Colour:
        return "colour";
    case DesignValue::Number:
        return "number";
    case DesignValue::Seconds:
        return "seconds";
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

std::vector<std::string> namesOf(const std::vector<FileSet::File>& files)
{
    std::vector<std::string> names;
    for (const FileSet::File& file : files)
        names.push_back(file.name);
    return names;
}

} // namespace

DesignSession::DesignSession()
{
    openDefault();
}

// The built-in project is part of the program: it always reads.
void DesignSession::openDefault()
{
    record_ = std::move(DesignFile::read(std::nullopt).value());
}

Expected<void> DesignSession::open(const std::string& path)
{
    auto read = DesignFile::read(path);
    if (!read.ok())
        return read.error();
    record_ = std::move(read.value());
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
    // A refused value leaves the design as it was.
    ProjectRecord changed = record_;
    if (auto applied = ValueAssignment::applyAll({std::move(assignment.value())}, changed); !applied.ok())
        return applied;
    record_ = std::move(changed);
    return {};
}

std::string DesignSession::shown() const
{
    return DesignValueListing::asJson(record_);
}

std::string DesignSession::checked(const std::string& imageFolder) const
{
    return DesignFindings::asJson(DesignFindings::of(record_, imageFolder));
}

Expected<std::string> DesignSession::generate(const std::string& folder, const std::string& imageFolder)
{
    ProjectRecord record = record_;
    record.workFolder = (fs::path(folder) / "").string();
    auto built = DesignPublication::build(record);
    if (!built.ok())
        return built.error();
    generated_ = std::move(built.value().files);
    std::vector<std::string> warnings;
    if (auto image = BackgroundImage::read(record, imageFolder); !image.ok())
        warnings.push_back(image.error().message());
    else if (image.value())
        generated_.push_back(std::move(*image.value()));
    std::sort(generated_.begin(), generated_.end(),
              [](const FileSet::File& one, const FileSet::File& other) { return one.name < other.name; });
    return dumped(ordered_json{{"snippet", inUtf8(built.value().texts.embedSnippet)},
                               {"files", namesOf(generated_)},
                               {"warnings", warnings}});
}

const FileSet::File* DesignSession::generatedFile(int index) const
{
    if (index < 0 || index >= static_cast<int>(generated_.size()))
        return nullptr;
    return &generated_[static_cast<std::size_t>(index)];
}

Expected<void> DesignSession::save(const std::string& path) const
{
    ProjectRecord record = record_;
    return DesignFile::write(record, path);
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
    auto bytes = FeedFile::read(path);
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

std::string DesignSession::inUtf8(const std::string& bytes) const
{
    if (ProjectEncoding::of(record_) == ProjectEncoding::Utf8)
        return bytes;
    return TextEncoding::encodeUtf8(TextEncoding::decodeWindows1252(bytes));
}
