#pragma once

#include "project/ProjectRecord.h"

#include <string>

// The default design written out field by field, independent of the built-in project text. Texts are
// assigned as std::string values: g++ 12 at -O3 falsely warns of overlapping copies when a
// one-character literal is assigned to a string.
inline ProjectRecord defaultDesign()
{
    using namespace std::string_literals;
    ProjectRecord r;
    r.width = "180"s;
    r.height = "215"s;
    r.topMargin = "4"s;
    r.leftMargin = "8"s;
    r.bottomMargin = "4"s;
    r.rightMargin = "8"s;
    r.paragraphSpace = "10"s;
    r.scrollerName = "scroller_"s;
    r.textFontIndex = 7;
    r.textUseCustomFont = 1;
    r.textCustomFont = "MS Sans Serif,arial,helvetica"s;
    r.titleFontIndex = 1;
    r.titleUseCustomFont = 1;
    r.titleCustomFont = "verdana,arial,helvetica"s;
    r.textFontSize = "8"s;
    r.titleFontSize = "9"s;
    r.textLineHeight = "12"s;
    r.titleLineHeight = "14"s;
    r.textStyle = 0;
    r.titleStyle = 1;
    r.bgColor = {255, 255, 255};
    r.textColor = {0, 0, 0};
    r.textHoverColor = {142, 6, 6};
    r.titleColor = {65, 74, 118};
    r.titleHoverColor = {185, 0, 0};
    r.titleBgColor = {153, 0, 0};
    r.borderColor = {92, 92, 92};
    r.borderWidth = "1"s;
    r.borderStyle = 0;
    r.bgImageOn = 0;
    r.bgImageName = "tkbackground.jpg"s;
    r.bgImageX = "0"s;
    r.bgImageY = "0"s;
    r.effectStyle = 0;
    r.effectType = 6;
    r.transitionSpeed = 1;
    r.scrollMode = 0;
    r.scrollDelay = "35"s;
    r.pause = "3"s;
    const std::string home = "http://www.marquetto.example/";
    r.appendMessage({"What's New", "Marquetto was released.", home, "_parent"});
    r.appendMessage({"Features",
                     "Easy building, testing and installation. Full customizable font characteristics. "
                     "Highlighted URL links.",
                     home, "_parent"});
    r.appendMessage({"HTML Support", "Supports basic HTML tags. (img, B, U,  ...)", home, "_parent"});
    return r;
}
