#include "project/ProjectKeys.h"

namespace {

constexpr std::string_view percent = "#%#";
constexpr std::string_view angle = "#>#";

std::vector<SettingLine> makeSettingLines()
{
    using R = ProjectRecord;
    return {
        {percent, "width", &R::width},
        {percent, "height", &R::height},
        {percent, "nameoftext", &R::scrollerName},
        {angle, "scrollpage", &R::scrollMode},
        {percent, "fontheight", &R::textFontSize},
        {percent, "titlheight", &R::titleFontSize},
        {percent, "pause", &R::pause},
        {percent, "textlineheight", &R::textLineHeight},
        {percent, "titlelineheight", &R::titleLineHeight},
        {angle, "use_this", &R::textUseCustomFont},
        {percent, "custom_fontface", &R::textCustomFont},
        {angle, "titleuse_this", &R::titleUseCustomFont},
        {percent, "titlecustom_fontface", &R::titleCustomFont},
        {angle, "bgimgxkoor", &R::bgImageX},
        {angle, "bgimgykoor", &R::bgImageY},
        {angle, "border-width", &R::borderWidth},
        {angle, "border-typ", &R::borderStyle},
        {angle, "txtdecoration", &R::textDecoration},
        {angle, "txtmodecoration", &R::textHoverDecoration},
        {angle, "titdecoration", &R::titleDecoration},
        {angle, "titmodecoration", &R::titleHoverDecoration},
        {angle, "bgimgvarmi", &R::bgImageOn},
        {angle, "bgimgname", &R::bgImageName},
        {angle, "title-width", &R::paragraphSpace},
        {angle, "font-sira", &R::textFontIndex},
        {angle, "titlefont-sira", &R::titleFontIndex},
        {angle, "bordercolor", &R::borderColor},
        {percent, "speed", &R::transitionSpeed},
        {percent, "effecttype", &R::effectType},
        {percent, "testy", &R::textStyle},
        {percent, "effectstyle", &R::effectStyle},
        {percent, "tisty", &R::titleStyle},
        {percent, "teali", &R::spareAlignment},
        {percent, "tiali", &R::alignment},
        {angle, "scrolldelay", &R::scrollDelay},
        {percent, "topmargin", &R::topMargin},
        {percent, "leftmargin", &R::leftMargin},
        {percent, "bottommargin", &R::bottomMargin},
        {percent, "rightmargin", &R::rightMargin},
        {percent, "bgcolor", &R::bgColor},
        {percent, "textcolor", &R::textColor},
        {percent, "titlecolor", &R::titleColor},
        {percent, "titlebgcolor", &R::titleBgColor},
        {percent, "movecolor", &R::textHoverColor},
        {percent, "titlemovecolor", &R::titleHoverColor},
    };
}

std::vector<OptionLine> makeOptionLines()
{
    using R = ProjectRecord;
    return {
        {"x-accessiblebox", &R::accessibleBox}, {"x-righttoleft", &R::rightToLeft},
        {"x-lightmotion", &R::lightMotion},     {"x-fitpagewidth", &R::fitPageWidth},
        {"x-livemessages", &R::liveMessages},
    };
}

std::vector<OptionValueLine> makeOptionValueLines()
{
    using R = ProjectRecord;
    return {
        {"x-liveevery", &R::liveSeconds, &R::liveMessages, &R::heldLiveSeconds},
    };
}

} // namespace

const std::vector<SettingLine>& ProjectKeys::settingLines()
{
    static const std::vector<SettingLine> lines = makeSettingLines();
    return lines;
}

const std::vector<OptionLine>& ProjectKeys::optionLines()
{
    static const std::vector<OptionLine> lines = makeOptionLines();
    return lines;
}

const std::vector<OptionValueLine>& ProjectKeys::optionValueLines()
{
    static const std::vector<OptionValueLine> lines = makeOptionValueLines();
    return lines;
}

const std::vector<std::string>& ProjectKeys::valueKeys()
{
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> all;
        for (const SettingLine& line : settingLines()) {
            if (std::holds_alternative<RgbColor ProjectRecord::*>(line.field)) {
                for (std::string& component : colorKeys(line.key))
                    all.push_back(std::move(component));
            } else {
                all.emplace_back(line.key);
            }
        }
        all.emplace_back(messageCountKey);
        for (const OptionLine& line : optionLines())
            all.emplace_back(line.key);
        for (const OptionValueLine& line : optionValueLines())
            all.emplace_back(line.key);
        return all;
    }();
    return keys;
}

std::array<std::string, 3> ProjectKeys::colorKeys(std::string_view key)
{
    const std::string base(key);
    return {base + "_red", base + "_green", base + "_blue"};
}

std::string_view ProjectKeys::messageKey(MessageField field)
{
    switch (field) {
    case MessageField::Text:
        return "tmessage";
    case MessageField::Link:
        return "linktext";
    case MessageField::Target:
        return "targettext";
    case MessageField::Title:
        return "titletext";
    }
    return {};
}
