#include "generator/ValueFormats.h"

#include "project/IntegerText.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

namespace {

std::string hexComponent(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02X", static_cast<unsigned>(value));
    return buffer;
}

std::int64_t pauseInMilliseconds(const std::string& pause)
{
    return std::int64_t{IntegerText::parse(pause)} * 1000;
}

} // namespace

std::string ValueFormats::HexColor(const RgbColor& color)
{
    return hexComponent(color.red) + hexComponent(color.green) + hexComponent(color.blue);
}

ValueFormats::StyleWords ValueFormats::FontStyleWords(int index)
{
    switch (index) {
    case 0:
        return {"normal", "normal"};
    case 1:
        return {"normal", "bold"};
    case 2:
        return {"italic", "normal"};
    case 3:
        return {"italic", "bold"};
    default:
        return {};
    }
}

std::string ValueFormats::AlignWord(int index)
{
    switch (index) {
    case 0:
        return "left";
    case 1:
        return "center";
    case 2:
        return "right";
    default:
        return {};
    }
}

std::string ValueFormats::DecorationWord(int flag)
{
    return flag == 0 ? "none" : "underline";
}

std::string ValueFormats::bodyDecorationCode(int flag)
{
    return "objd.style.textDecoration='" + DecorationWord(flag) + "';";
}

std::string ValueFormats::titleDecorationCode(int flag)
{
    return "objd2.style.textDecoration='" + DecorationWord(flag) + "';";
}

std::string ValueFormats::borderStyleWord(int index)
{
    switch (index) {
    case 1:
        return "dotted";
    case 2:
        return "dashed";
    default:
        return "solid";
    }
}

std::string ValueFormats::transitionDuration(int speed)
{
    switch (speed) {
    case 0:
        return "2";
    case 2:
        return "0.6";
    case 3:
        return "0.4";
    default:
        return "1";
    }
}

std::string ValueFormats::number(const std::string& typed)
{
    const auto isDigit = [&](std::size_t at) {
        return at < typed.size() && std::isdigit(static_cast<unsigned char>(typed[at]));
    };
    std::size_t first = 0;
    while (first < typed.size() && std::isspace(static_cast<unsigned char>(typed[first])))
        ++first;
    if (first < typed.size() && (typed[first] == '+' || typed[first] == '-'))
        ++first;
    std::size_t kept = first;
    while (isDigit(kept + 1) && typed[kept] == '0')
        ++kept;
    return kept == first ? typed : typed.substr(0, first) + typed.substr(kept);
}

std::string ValueFormats::standardsPause(const std::string& pause)
{
    return number(pause) + "000";
}

std::string ValueFormats::pauseMilliseconds(const std::string& pause)
{
    return std::to_string(pauseInMilliseconds(pause));
}

std::string ValueFormats::iePause(const std::string& pause, int transitionSpeed)
{
    constexpr int allowances[] = {2000, 1000, 600, 400};
    if (transitionSpeed < 0 || transitionSpeed > 3)
        return "0";
    return std::to_string(pauseInMilliseconds(pause) + allowances[transitionSpeed]);
}
