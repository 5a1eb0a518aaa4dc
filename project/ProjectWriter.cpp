#include "project/ProjectWriter.h"

#include "project/ProjectKeys.h"
#include "project/ProjectReader.h"
#include "project/RecordMarkers.h"

#include <charconv>
#include <cstring>

namespace {

constexpr std::string_view lineEnd = "\r\n";

// Where the text goes: a string, a byte count, or a file written in large pieces.
class StringSink
{
public:
    explicit StringSink(std::string& out) : out_(out) {}
    void append(std::string_view piece) { out_ += piece; }

private:
    std::string& out_;
};

class CountingSink
{
public:
    void append(std::string_view piece) { bytes_ += piece.size(); }
    std::uintmax_t bytes() const { return bytes_; }

private:
    std::uintmax_t bytes_ = 0;
};

class FileSink
{
public:
    static constexpr std::size_t pieceSize = 256 * 1024;

    explicit FileSink(OutputFile& file) : file_(file), pending_(pieceSize, '\0') {}
    void append(std::string_view piece)
    {
        if (piece.size() > pending_.size() - used_) {
            appendAfterFlush(piece);
            return;
        }
        std::memcpy(pending_.data() + used_, piece.data(), piece.size());
        used_ += piece.size();
    }
    Expected<void> finish()
    {
        flush();
        return std::move(written_);
    }

private:
    void appendAfterFlush(std::string_view piece)
    {
        flush();
        if (piece.size() >= pending_.size()) {
            write(piece);
            return;
        }
        std::memcpy(pending_.data(), piece.data(), piece.size());
        used_ = piece.size();
    }
    void flush()
    {
        write(std::string_view(pending_).substr(0, used_));
        used_ = 0;
    }
    void write(std::string_view bytes)
    {
        if (written_.ok())
            written_ = file_.write(bytes);
    }

    OutputFile& file_;
    std::string pending_;
    std::size_t used_ = 0;
    Expected<void> written_;
};

std::string_view decimal(int value, std::array<char, 16>& digits)
{
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return {digits.data(), static_cast<std::size_t>(end - digits.data())};
}

template <typename Sink>
void appendRecord(Sink& out, std::string_view key, std::string_view value, std::string_view marker)
{
    out.append(ProjectKeys::startPrefix);
    out.append(key);
    out.append("=");
    out.append(value);
    out.append(ProjectKeys::endPrefix);
    out.append(key);
    out.append(marker);
}

template <typename Sink>
void appendSettingLine(Sink& out, const ProjectRecord& record, const SettingLine& line)
{
    std::array<char, 16> digits{};
    out.append(line.marker);
    if (const auto* text = std::get_if<std::string ProjectRecord::*>(&line.field)) {
        appendRecord(out, line.key, record.*(*text), line.marker);
    } else if (const auto* integer = std::get_if<int ProjectRecord::*>(&line.field)) {
        appendRecord(out, line.key, decimal(record.*(*integer), digits), line.marker);
    } else {
        const RgbColor& color = record.*std::get<RgbColor ProjectRecord::*>(line.field);
        const auto keys = ProjectKeys::colorKeys(line.key);
        appendRecord(out, keys[0], decimal(color.red, digits), line.marker);
        appendRecord(out, keys[1], decimal(color.green, digits), line.marker);
        appendRecord(out, keys[2], decimal(color.blue, digits), line.marker);
    }
    out.append(lineEnd);
}

const std::string& messageValue(const ProjectRecord& record, MessageField field, std::size_t index)
{
    switch (field) {
    case MessageField::Text:
        return record.messageTexts()[index];
    case MessageField::Link:
        return record.messageLinks()[index];
    case MessageField::Target:
        return record.messageTargets()[index];
    case MessageField::Title:
        break;
    }
    return record.messageTitles()[index];
}

// The fixed texts around a message value, joined once, so that a message costs few appends.
struct MessageRecordTexts
{
    std::string opening;
    std::string ending;
    std::string closing;

    explicit MessageRecordTexts(MessageField field)
        : opening(std::string(ProjectKeys::messageMarker) + std::string(ProjectKeys::startPrefix) +
                  std::string(ProjectKeys::messageKey(field))),
          ending(std::string(ProjectKeys::endPrefix) + std::string(ProjectKeys::messageKey(field))),
          closing(std::string(ProjectKeys::messageMarker) + std::string(lineEnd))
    {}
};

template <typename Sink> void appendMessages(const ProjectRecord& record, Sink& out)
{
    static const std::array<MessageRecordTexts, 4> texts{
        MessageRecordTexts(ProjectKeys::messageFieldOrder[0]),
        MessageRecordTexts(ProjectKeys::messageFieldOrder[1]),
        MessageRecordTexts(ProjectKeys::messageFieldOrder[2]),
        MessageRecordTexts(ProjectKeys::messageFieldOrder[3])};
    std::array<char, 16> digits{};
    for (int i = 0; i < record.messageCount(); ++i) {
        const std::string_view number = decimal(i + 1, digits);
        digits[number.size()] = '=';
        const std::string_view numberAndEquals(digits.data(), number.size() + 1);
        for (std::size_t f = 0; f < texts.size(); ++f) {
            out.append(texts[f].opening);
            out.append(numberAndEquals);
            out.append(messageValue(record, ProjectKeys::messageFieldOrder[f], static_cast<std::size_t>(i)));
            out.append(texts[f].ending);
            out.append(number);
            out.append(texts[f].closing);
        }
    }
}

template <typename Sink> void appendOptionLine(Sink& out, std::string_view key, int value)
{
    std::array<char, 16> digits{};
    out.append(ProjectKeys::optionMarker);
    appendRecord(out, key, decimal(value, digits), ProjectKeys::optionMarker);
    out.append(lineEnd);
}

// An option that is off leaves no trace, numbers of its own included, so a design without options is written
// as it always was.
template <typename Sink> void appendOptions(const ProjectRecord& record, Sink& out)
{
    for (const OptionLine& line : ProjectKeys::optionLines()) {
        if (record.*line.field != ProjectRecord::ticked)
            continue;
        appendOptionLine(out, line.key, ProjectRecord::ticked);
        for (const OptionValueLine& value : ProjectKeys::optionValueLines())
            if (value.option == line.field)
                appendOptionLine(out, value.key, record.*value.field);
    }
}

template <typename Sink> void writeText(const ProjectRecord& record, Sink& out)
{
    std::array<char, 16> digits{};
    for (const SettingLine& line : ProjectKeys::settingLines())
        appendSettingLine(out, record, line);
    out.append(ProjectKeys::messageCountMarker);
    appendRecord(out, ProjectKeys::messageCountKey, decimal(record.messageCount(), digits),
                 ProjectKeys::messageCountMarker);
    out.append(lineEnd);
    appendOptions(record, out);
    appendMessages(record, out);
}

} // namespace

std::string ProjectWriter::projectText(const ProjectRecord& record)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(projectSize(record)));
    StringSink sink(out);
    writeText(record, sink);
    return out;
}

std::uintmax_t ProjectWriter::projectSize(const ProjectRecord& record)
{
    CountingSink sink;
    writeText(record, sink);
    return sink.bytes();
}

Expected<void> ProjectWriter::writeProject(const ProjectRecord& record)
{
    if (auto safe = writable(record, record.projectPath); !safe.ok())
        return safe;
    auto file = OutputFile::replacing(record.projectPath);
    if (!file.ok())
        return file.error();
    return streamTo(record, file.value());
}

Expected<void> ProjectWriter::writeProjectTo(const ProjectRecord& record, OutputFile& file)
{
    if (auto safe = writable(record, file.name()); !safe.ok())
        return safe;
    return streamTo(record, file);
}

Expected<void> ProjectWriter::streamTo(const ProjectRecord& record, OutputFile& file)
{
    FileSink sink(file);
    writeText(record, sink);
    if (auto done = sink.finish(); !done.ok())
        return done;
    return file.commit();
}

// Checked before the first byte is written. (The reader's limit on the number of messages needs no check
// of its own, as that many messages take more room than the size.)
Expected<void> ProjectWriter::writable(const ProjectRecord& record, const std::string& name)
{
    if (const auto unsafe = RecordMarkers::firstUnsafeValue(record))
        return Error::refused("\"" + name + "\" was not saved: " + unsafe->describe() + ".");
    if (const std::uintmax_t size = projectSize(record); size > ProjectReader::maxFileBytes)
        return Error::file(name, "was not saved: the project would take " + Error::sizeInWords(size) +
                                     ", more than the " + Error::sizeInWords(ProjectReader::maxFileBytes) +
                                     " a project file can hold");
    return {};
}
