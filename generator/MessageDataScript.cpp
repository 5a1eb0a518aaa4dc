#include "generator/MessageDataScript.h"

#include "generator/ScriptText.h"

namespace {

constexpr std::string_view crlf = "\r\n";

void appendAssignment(std::string& out, std::string_view array, const std::string& index,
                      std::string_view field, const ScriptText& script)
{
    out += array;
    out += '[';
    out += index;
    out += "] = \"";
    out += script.literalBody(field);
    out += "\";";
}

} // namespace

std::string MessageDataScript::BuildMessageDataScript(const ProjectRecord& record)
{
    std::string out = "var titlea = new Array();var texta = new Array();"
                      "var linka = new Array();var trgfrma = new Array();"
                      "var heightarr = new Array();var cyposarr = new Array();";
    out += crlf;
    const auto count = static_cast<std::size_t>(record.messageCount());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string index = std::to_string(i);
        out += "cyposarr[" + index + "]=" + index + ";";
    }
    out += crlf;
    const ScriptText script(record);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string index = std::to_string(i);
        appendAssignment(out, "titlea", index, record.messageTitles()[i], script);
        appendAssignment(out, "texta", index, record.messageTexts()[i], script);
        appendAssignment(out, "linka", index, record.messageLinks()[i], script);
        appendAssignment(out, "trgfrma", index, record.messageTargets()[i], script);
    }
    out += crlf;
    out += "var mc=" + std::to_string(count) + ";";
    out += crlf;
    return out;
}
