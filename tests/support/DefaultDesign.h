#pragma once

#include "project/ProjectRecord.h"

// The default design written out field by field, independent of the built-in project text.
inline ProjectRecord defaultDesign()
{
    ProjectRecord r;
    r.width = "180";
    r.height = "215";
    r.topMargin = "4";
    r.leftMargin = "8";
    r.bottomMargin = "4";
    r.rightMargin = "8";
    r.paragraphSpace = "10";
    r.scrollerName = "scroller_";
    r.textFontIndex = 7;
    r.textUseCustomFont = 1;
    r.textCustomFont = "MS Sans Serif,arial,helvetica";
    r.titleFontIndex = 1;
    r.titleUseCustomFont = 1;
    r.titleCustomFont = "verdana,arial,helvetica";
    r.textFontSize = "8";
    r.titleFontSize = "9";
    r.textLineHeight = "12";
    r.titleLineHeight = "14";
    r.textStyle = 0;
    r.titleStyle = 1;
    r.bgColor = {255, 255, 255};
    r.textColor = {0, 0, 0};
    r.textHoverColor = {142, 6, 6};
    r.titleColor = {65, 74, 118};
    r.titleHoverColor = {185, 0, 0};
    r.titleBgColor = {153, 0, 0};
    r.borderColor = {92, 92, 92};
    r.borderWidth = "1";
    r.borderStyle = 0;
    r.bgImageOn = 0;
    r.bgImageName = "tkbackground.jpg";
    r.bgImageX = "0";
    r.bgImageY = "0";
    r.effectStyle = 0;
    r.effectType = 6;
    r.transitionSpeed = 1;
    r.scrollMode = 0;
    r.scrollDelay = "35";
    r.pause = "3";
    const std::string home = "http://www.marquetto.example/";
    r.appendMessage({"What's New", "Marquetto was released.", home, "_parent"});
    r.appendMessage({"Features",
                     "Easy building, testing and installation. Full customizable font characteristics. "
                     "Highlighted URL links.",
                     home, "_parent"});
    r.appendMessage({"HTML Support", "Supports basic HTML tags. (img, B, U,  ...)", home, "_parent"});
    return r;
}
