#include "generator/HostPage.h"

#include "generator/AccessibleBox.h"
#include "generator/FitPageWidth.h"
#include "generator/ScriptText.h"
#include "generator/ValueFormats.h"
#include "project/IntegerText.h"
#include "project/OptionLists.h"

#include <array>
#include <cstdint>

namespace {

struct Filter
{
    const char* opening;
    const char* closing;
};

constexpr std::array<Filter, 9> filters = {{
    {";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Fade(duration=", ",overlap=1.0);\"></div>"},
    {";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Wipe(GradientSize=0.20, "
     "wipeStyle=1,duration=",
     ", motion='forward');\"></div>"},
    {";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Iris(duration=",
     ",irisStyle='CIRCLE', motion='in');\"></div>"},
    {";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Pixelate(MaxSquare=25, Duration=",
     ", Enabled=false);\"></div>"},
    {";overflow:hidden; filter:progid:DXImageTransform.Microsoft.RadialWipe(duration=",
     ",wipeStyle='clock');\"></div>"},
    {";overflow:hidden; filter:progid:DXImageTransform.Microsoft.RandomDissolve(duration=", ");\"></div>"},
    {";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Slide(duration=",
     ",slideStyle='PUSH', bands=1);\"></div>"},
    {";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Wheel( duration=", ", spokes=2);\"></div>"},
    {";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Zigzag(duration=",
     ", GridSizeX=8, GridSizeY=8);\"></div>"},
}};

std::int64_t integer(const std::string& text)
{
    return IntegerText::parse(text);
}

std::string typed(const std::string& number)
{
    return ValueFormats::number(number);
}

bool hasTransition(const ProjectRecord& record)
{
    return record.effectType >= 0 && record.effectType < static_cast<int>(filters.size());
}

std::string bg(const ProjectRecord& record)
{
    return ValueFormats::HexColor(record.bgColor);
}

// The border as every box writes it: "border-style:solid; border-width:1px; border-color:#5C5C5C".
std::string border(const ProjectRecord& record)
{
    return "border-style:" + ValueFormats::borderStyleWord(record.borderStyle) +
           "; border-width:" + typed(record.borderWidth) + "px; border-color:#" +
           ValueFormats::HexColor(record.borderColor);
}

std::string innerSize(const std::string& size, const ProjectRecord& record)
{
    return std::to_string(integer(size) - 2 * integer(record.borderWidth));
}

} // namespace

std::string HostPage::embedSnippet(const ProjectRecord& record)
{
    const std::string title =
        AccessibleBox::isOn(record) ? " title=\"" + AccessibleBox::title(record) + "\"" : std::string();
    const std::string style = FitPageWidth::isOn(record) ? FitPageWidth::frameStyle(record) : std::string();
    return "<iframe" + title + " width=\"" + typed(record.width) + "\" height=\"" + typed(record.height) +
           "\"" + style + " src=\"" + ScriptText(record).address(record.scrollerName) +
           "newstic.html\" SCROLLING=\"no\" FRAMEBORDER=\"0\" border=0></iframe>";
}

std::string HostPage::BuildHostPage(const ProjectRecord& record)
{
    const bool accessible = AccessibleBox::isOn(record);
    return "<html" + pageAttributes(record) + "><head><title>" +
           (accessible ? AccessibleBox::title(record) : std::string()) + "</title></head><body bgcolor=\"#" +
           bg(record) + "\">" + ieMarkup(record) + loaderScript(record) + "</body></html>";
}

std::string HostPage::pageAttributes(const ProjectRecord& record)
{
    std::string attributes;
    if (AccessibleBox::isOn(record))
        attributes += AccessibleBox::languageAttribute;
    if (record.rightToLeft == ProjectRecord::ticked)
        attributes += " dir=\"rtl\"";
    return attributes;
}

std::string HostPage::ieMarkup(const ProjectRecord& record)
{
    if (record.effectStyle == OptionLists::scrollerStyle)
        return scrollerBox(record);
    return record.bgImageOn == ProjectRecord::ticked ? faderBoxWithImage(record)
                                                     : faderBoxWithoutImage(record);
}

std::string HostPage::scrollerBox(const ProjectRecord& record)
{
    return "<div id=\"disspageie\" style=\"position:absolute;background:#" + bg(record) +
           ";width:" + typed(record.width) + "; height:" + typed(record.height) +
           ";left:0; top:0;margin:0px;overflow:hidden;padding:0px;" + border(record) + ";" +
           imageStyle(record) + "\">" +
           "<div id=\"spageie\" style=\"position:absolute; width:" + typed(record.width) +
           "; height:" + typed(record.height) + "; left:0; top:0; border-width:0px; overflow:hidden;" +
           clipStyle(record) + "\"></div>" + "</div>";
}

std::string HostPage::faderBoxWithImage(const ProjectRecord& record)
{
    std::string markup = "<div id=\"disspageie\" style=\"position:absolute;width:" + typed(record.width) +
                         "; height:" + typed(record.height) +
                         ";left:0; top:0;margin:0px;overflow:hidden;padding:0px;" + border(record) + ";" +
                         imageStyle(record) + "\">";
    if (hasTransition(record))
        markup += "<div id=\"spageie\" style=\"position:absolute; width:" + typed(record.width) +
                  "; height:" + typed(record.height) + "; left:0; top:0; " + border(record) +
                  transitionFilter(record);
    return markup + "</div>";
}

std::string HostPage::faderBoxWithoutImage(const ProjectRecord& record)
{
    if (!hasTransition(record))
        return {};
    return "<div id=\"spageie\" style=\"position:absolute;background:#" + bg(record) +
           "; width:" + typed(record.width) + "; height:" + typed(record.height) + "; left:0; top:0; " +
           border(record) + transitionFilter(record);
}

std::string HostPage::transitionFilter(const ProjectRecord& record)
{
    const Filter& filter = filters[static_cast<std::size_t>(record.effectType)];
    return filter.opening + ValueFormats::transitionDuration(record.transitionSpeed) + filter.closing;
}

std::string HostPage::loaderScript(const ProjectRecord& record)
{
    const bool fit = FitPageWidth::isOn(record);
    const std::string iw = innerSize(record.width, record);
    const std::string outerWidth = fit ? FitPageWidth::outerBoxWidth(record) : iw;
    const std::string innerWidth = fit ? FitPageWidth::innerBoxWidth : iw;
    const std::string ih = innerSize(record.height, record);
    const std::string scriptStart = "document.write(\"<scr\"+\"ipt language=\\\"javascript\\\" sr\"+\"c=\\\"";
    const std::string scriptEnd = "\\\"></scr\"+\"ipt>\");";
    return "<script language=\"javascript\">var OPB=false;uagent = window.navigator.userAgent.toLowerCase();"
           "OPB=(uagent.indexOf('opera') != -1)?true:false;if((document.all)&&(OPB==false)){" +
           scriptStart + ScriptText(record).address(record.scrollerName) + "newsticie.js" + scriptEnd +
           "}else{" +
           "document.write(\"<div id=\\\"spagensbrd\\\" style=\\\"position:absolute; width:" + outerWidth +
           "; height:" + ih + "; left:0; top:0; " + border(record) +
           ";overflow:hidden;\\\"><div id=\\\"spagens\\\" style=\\\"position:absolute; width:" + innerWidth +
           "; height:" + ih + "; left:0; top:0; border-width:0px; overflow:hidden;" + clipStyle(record) +
           "\\\"></div></div>\");" + scriptStart + ScriptText(record).address(record.scrollerName) +
           "newsticns6.js" + scriptEnd + "}</script>";
}

std::string HostPage::imageStyle(const ProjectRecord& record)
{
    if (record.bgImageOn != ProjectRecord::ticked)
        return {};
    return "background-image: url(" + ScriptText(record).address(record.bgImageName) +
           "); background-repeat :no-repeat;background-position:" + typed(record.bgImageX) + "px " +
           typed(record.bgImageY) + "px;";
}

std::string HostPage::clipStyle(const ProjectRecord& record)
{
    const std::int64_t bottom =
        integer(record.height) - integer(record.bottomMargin) - integer(record.borderWidth);
    return "clip:rect(" + typed(record.topMargin) + " " + typed(record.width) + " " + std::to_string(bottom) +
           " 0);";
}
