// Any design that the writer accepts opens again and reads back as the same design, value for value; values
// are drawn from pieces of the format (start and end texts, keys cut short, markers, numbers, line breaks),
// the bytes and characters that the reader refuses or a one-line field does not take (NUL, byte-order
// marks, controls, next line, line and paragraph separators) and free bytes.
#include "fuzz/FuzzCheck.h"
#include "fuzz/SameDesign.h"
#include "project/ProjectFileCheck.h"
#include "project/ProjectKeys.h"
#include "project/ProjectWriter.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

namespace {

const std::vector<std::string>& pieces()
{
    static const std::vector<std::string> all = [] {
        std::vector<std::string> made{"qvo-", "endof-", "endof-qvo-", "=", "#%#", "#>#", "#", "%", ">",
                                      "\r",   "\n",     "\r\n",       "0", "1",   "12",  "7", "q", "vo-"};
        // What the reader refuses in a file, or a one-line field does not take.
        for (std::string_view refused :
             {std::string_view("\0", 1), std::string_view("\xFF\xFE"), std::string_view("\xFE\xFF"),
              std::string_view("\xEF\xBB\xBF"), std::string_view("\t\x0B\x0C\x7F"),
              std::string_view("\xC2\x85"), std::string_view("\xE2\x80\xA8"),
              std::string_view("\xE2\x80\xA9"), std::string_view("\x85")})
            made.emplace_back(refused);
        std::vector<std::string> keys = ProjectKeys::valueKeys();
        for (MessageField field : ProjectKeys::messageFieldOrder)
            keys.emplace_back(ProjectKeys::messageKey(field));
        for (const std::string& key : keys) {
            const std::string cut = key.substr(0, key.size() - 1);
            for (const std::string& piece :
                 {key, cut, "qvo-" + key + "=", "endof-qvo-" + key, "endof-qvo-" + cut})
                made.push_back(piece);
        }
        return made;
    }();
    return all;
}

std::string valueFrom(FuzzedDataProvider& input)
{
    std::string value;
    const int count = input.ConsumeIntegralInRange(0, 8);
    for (int i = 0; i < count; ++i) {
        if (input.ConsumeBool()) {
            value += pieces()[input.ConsumeIntegralInRange<std::size_t>(0, pieces().size() - 1)];
        } else {
            value += input.ConsumeIntegral<char>();
        }
    }
    return value;
}

// A few values drawn from pieces among empty ones: a design whose every value is busy is nearly always
// refused, and what must be proven is the reading back of the designs that are accepted.
ProjectRecord designFrom(FuzzedDataProvider& input)
{
    ProjectRecord record;
    std::vector<std::string*> texts;
    for (const SettingLine& line : ProjectKeys::settingLines()) {
        if (const auto* text = std::get_if<std::string ProjectRecord::*>(&line.field)) {
            texts.push_back(&(record.*(*text)));
        } else if (const auto* integer = std::get_if<int ProjectRecord::*>(&line.field)) {
            record.*(*integer) = input.ConsumeIntegral<int>();
        } else {
            RgbColor& color = record.*std::get<RgbColor ProjectRecord::*>(line.field);
            color = {input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(),
                     input.ConsumeIntegral<int>()};
        }
    }
    for (const OptionLine& line : ProjectKeys::optionLines())
        record.*line.field = input.ConsumeBool() ? ProjectRecord::ticked : ProjectRecord::unticked;
    // A number that an option takes lies in its range, as the wizard and set keep it; the reader's holding of
    // other values is the reader fuzzer's to prove.
    for (const OptionValueLine& line : ProjectKeys::optionValueLines())
        record.*line.field = line.held(input.ConsumeIntegralInRange(0, 100000));
    const int messages = input.ConsumeIntegralInRange(0, 12);
    std::vector<Message> drawn(static_cast<std::size_t>(messages));
    for (Message& message : drawn)
        for (std::string* field : {&message.title, &message.text, &message.link, &message.target})
            texts.push_back(field);
    const int values = input.ConsumeIntegralInRange(1, 4);
    for (int i = 0; i < values; ++i)
        *texts[input.ConsumeIntegralInRange<std::size_t>(0, texts.size() - 1)] = valueFrom(input);
    for (Message& message : drawn)
        record.appendMessage(std::move(message));
    return record;
}

bool anyValueHolds(const ProjectRecord& record, std::string_view part)
{
    const auto holds = [&](const std::string& value) { return value.find(part) != std::string::npos; };
    for (const SettingLine& line : ProjectKeys::settingLines())
        if (const auto* text = std::get_if<std::string ProjectRecord::*>(&line.field);
            text && holds(record.*(*text)))
            return true;
    for (const auto* list :
         {&record.messageTitles(), &record.messageTexts(), &record.messageLinks(), &record.messageTargets()})
        for (const std::string& value : *list)
            if (holds(value))
                return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const ProjectRecord design = designFrom(input);
    const auto accepted = ProjectWriter::writable(design, "design.tkp");
    // Every key text holds "qvo-", and the reader refuses nothing else that a value may hold but a NUL.
    require(accepted.ok() || anyValueHolds(design, "qvo-") ||
                anyValueHolds(design, std::string_view("\0", 1)),
            "a design without \"qvo-\" and NUL is written", accepted.ok() ? "" : accepted.error().message());
    if (!accepted.ok())
        return 0;
    const std::string text = ProjectWriter::projectText(design);
    const auto opens = ProjectFileCheck::checkPiece(text, 0, "design.tkp");
    require(opens.ok(), "a file the writer writes is one that the reader opens",
            opens.ok() ? "" : opens.error().message());
    requireSameDesign(design, readText(text));
    return 0;
}
