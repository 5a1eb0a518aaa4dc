#include "generator/ScriptFiller.h"

#include "generator/ScriptTemplates.h"
#include "generator/ScriptText.h"
#include "generator/TextReplace.h"
#include "generator/ValueFormats.h"

namespace {

void substitute(std::string& text, const ScriptFiller::Substitutions& substitutions)
{
    for (const auto& [token, value] : substitutions)
        TextReplace::ReplaceBounded(text, token, value);
}

std::string number(const std::string& typed)
{
    return ValueFormats::number(typed);
}

} // namespace

ScriptFiller::Substitutions ScriptFiller::sharedTokens(const ProjectRecord& record)
{
    const ScriptText script(record);
    const auto textStyle = ValueFormats::FontStyleWords(record.textStyle);
    const auto titleStyle = ValueFormats::FontStyleWords(record.titleStyle);
    return {
        {"psleftvr1", number(record.leftMargin)},
        {"psrightvr2", number(record.rightMargin)},
        {"pstopvr3", number(record.topMargin)},
        {"psbottomvr4", number(record.bottomMargin)},
        {"ticwvr5", number(record.width)},
        {"tichvr6", number(record.height)},
        {"borderwvr7", number(record.borderWidth)},
        {"prgspacevr8", number(record.paragraphSpace)},
        {"scrdelayinms", number(record.scrollDelay)},
        {"bgcolorstrvr9", ValueFormats::HexColor(record.bgColor)},
        {"font_sizevr10", number(record.textFontSize)},
        {"titlefont_sizevr13", number(record.titleFontSize)},
        {"txtcolorvr11", ValueFormats::HexColor(record.textColor)},
        {"titlecolorvr12", ValueFormats::HexColor(record.titleColor)},
        {"textstyle_vr14", textStyle.style},
        {"titlestyle_vr15", titleStyle.style},
        {"fontweight_vr16", textStyle.weight},
        {"titleweight_vr17", titleStyle.weight},
        {"textlineheight_vr18", number(record.textLineHeight)},
        {"titlelineheight_vr19", number(record.titleLineHeight)},
        {"textovercolor_vr20", ValueFormats::HexColor(record.textHoverColor)},
        {"titleovercolor_vr21", ValueFormats::HexColor(record.titleHoverColor)},
        {"textfontfamily_vr22", script.fontFace(record.textFontFace)},
        {"titlefontfamily_vr23", script.fontFace(record.titleFontFace)},
    };
}

ScriptFiller::Substitutions ScriptFiller::standardsOnlyTokens(const ProjectRecord& record)
{
    return {
        {"pausetime_vr24", ValueFormats::standardsPause(record.pause)},
        {"textalign_vr25", alignmentWord(record)},
        {"disborderw", number(record.borderWidth)},
    };
}

void ScriptFiller::FillStandardsScript(const ProjectRecord& record, GeneratedTexts& texts)
{
    texts.standardsScriptText = std::string(
        ScriptTemplates::ChooseTemplate(Flavour::Standards, record.effectStyle, record.scrollMode));
    substitute(texts.standardsScriptText, sharedTokens(record));
    substitute(texts.standardsScriptText, standardsOnlyTokens(record));
    removeLineBreaksAndTabs(texts.standardsScriptText);
}

void ScriptFiller::FillIeScript(const ProjectRecord& record, GeneratedTexts& texts)
{
    std::string& ie = texts.ieScriptText;
    std::string& standards = texts.standardsScriptText;
    ie = std::string(ScriptTemplates::ChooseTemplate(Flavour::IE, record.effectStyle, record.scrollMode));
    substitute(ie, sharedTokens(record));

    const auto inBoth = [&](std::string_view token, const std::string& value) {
        TextReplace::ReplaceBounded(ie, token, value);
        TextReplace::ReplaceBounded(standards, token, value);
    };
    inBoth("pauseietime_vr24", ValueFormats::pauseMilliseconds(record.pause));
    TextReplace::ReplaceBounded(ie, "pausetime_vr24",
                                ValueFormats::iePause(record.pause, record.transitionSpeed));
    inBoth("disborderw", number(record.borderWidth));
    inBoth("tittxtdectut", ValueFormats::DecorationWord(record.titleDecoration));
    inBoth("txttxtdectut", ValueFormats::DecorationWord(record.textDecoration));
    inBoth("handletxtdeccode1", ValueFormats::bodyDecorationCode(record.textHoverDecoration) +
                                    ValueFormats::titleDecorationCode(record.titleHoverDecoration));
    inBoth("handletxtdeccode2", ValueFormats::bodyDecorationCode(record.textDecoration) +
                                    ValueFormats::titleDecorationCode(record.titleDecoration));
    inBoth("hangipixeldepause", number(record.topMargin));
    TextReplace::ReplaceBounded(ie, "textalign_vr25", alignmentWord(record));
    removeLineBreaksAndTabs(ie);
}

std::string ScriptFiller::filled(std::string_view script, const ProjectRecord& record,
                                 const Substitutions& own)
{
    std::string text(script);
    substitute(text, own);
    substitute(text, sharedTokens(record));
    removeLineBreaksAndTabs(text);
    return text;
}

std::string ScriptFiller::alignmentWord(const ProjectRecord& record)
{
    const std::string word = ValueFormats::AlignWord(record.alignment);
    return record.rightToLeft == ProjectRecord::ticked && word == "left" ? "right" : word;
}

void ScriptFiller::removeLineBreaksAndTabs(std::string& text)
{
    TextReplace::replaceAll(text, "\r\n", "");
    TextReplace::replaceAll(text, "\t", "");
}
