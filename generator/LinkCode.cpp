#include "generator/LinkCode.h"

#include "generator/TextReplace.h"

namespace {

constexpr std::string_view marker = "//buildergenlink";
constexpr std::string_view lastStatement = "window.onload=initte;";

} // namespace

std::string LinkCode::linkClickCode()
{
    return "if(linka[gnum3].substring(0,11)==\"javascript:\")"
           "{eval(\"\"+linka[gnum3]);}"
           "else{if((linka[gnum3].length)>3){\r\n"
           "if((trgfrma[gnum3].indexOf(\"_parent\")>-1))"
           "{"
           "eval(\"parent.window.location='\"+linka[gnum3]+\"'\");"
           "}"
           "else if((trgfrma[gnum3].indexOf(\"_top\")>-1))"
           "{"
           "eval(\"top.window.location='\"+linka[gnum3]+\"'\");"
           "}"
           "else"
           "{"
           "window.open(''+linka[gnum3],''+trgfrma[gnum3]);"
           "}"
           "}}";
}

void LinkCode::FinishScripts(GeneratedTexts& texts)
{
    const std::string code = linkClickCode();
    TextReplace::ReplaceBounded(texts.ieScriptText, marker, code);
    TextReplace::ReplaceBounded(texts.standardsScriptText, marker, code);
    trimAfterLastStatement(texts.ieScriptText);
    trimAfterLastStatement(texts.standardsScriptText);
}

void LinkCode::trimAfterLastStatement(std::string& script)
{
    const auto at = script.find(lastStatement);
    if (at != std::string::npos)
        script.resize(at + lastStatement.size());
}

std::string LinkCode::BuildPreviewPage(const std::string& embedSnippet, const std::string& languageAttribute)
{
    return "<html" + languageAttribute +
           ">\r\n<head><title>Preview</title></head>\r\n<body>\r\n<center>\r\n" + embedSnippet +
           "\r\n</center>\r\n</body>\r\n</html>";
}
