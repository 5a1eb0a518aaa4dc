#include "generator/SizeCheck.h"

#include "generator/ScriptEscape.h"
#include "generator/ScriptText.h"
#include "generator/WordWidth.h"
#include "project/IntegerText.h"
#include "project/OptionLists.h"
#include "project/TextEncoding.h"

#include <algorithm>

namespace {

// Wider or taller than any screen: the box cannot be seen whole, and a scroller takes minutes to bring its
// first message into sight.
constexpr long hugeSize = 100000;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isPlainDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// A number as CSS reads it before a unit: digits with at least one digit and at most one decimal point,
// and, where allowed, a minus sign.
bool isCssNumber(std::string_view text, bool signAllowed)
{
    if (signAllowed && !text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    const bool digitsOnly = std::all_of(whole.begin(), whole.end(), isDigit) &&
                            std::all_of(fraction.begin(), fraction.end(), isDigit);
    return digitsOnly && (!whole.empty() || !fraction.empty()) &&
           (point == std::string_view::npos || !fraction.empty());
}

// Where a typed number goes decides what it may hold: script code takes plain digits only, a style
// value a CSS number.
enum class NumberUse
{
    Code,
    Style,
    Position
};

struct NumberField
{
    DesignCheck::Place place;
    const std::string& value;
    bool used;
    NumberUse use = NumberUse::Code;
    bool positive = false;
};

} // namespace

void SizeCheck::check(const ProjectRecord& record, Found& found)
{
    checkNumbers(record, found);
    checkRoom(record, found);
    checkColumn(record, found);
}

void SizeCheck::checkNumbers(const ProjectRecord& r, Found& found)
{
    const bool scroller = r.effectStyle == OptionLists::scrollerStyle;
    const bool image = r.bgImageOn == ProjectRecord::ticked;
    const NumberField fields[] = {
        {{2, "Width"}, r.width, true, NumberUse::Code, true},
        {{2, "Height"}, r.height, true, NumberUse::Code, true},
        {{2, "Space"}, r.paragraphSpace, true},
        {{2, "Top margin"}, r.topMargin, true},
        {{2, "Bottom margin"}, r.bottomMargin, true},
        {{2, "Left margin"}, r.leftMargin, true},
        {{2, "Right margin"}, r.rightMargin, true},
        {{2, "Image X position"}, r.bgImageX, image, NumberUse::Position},
        {{2, "Image Y position"}, r.bgImageY, image, NumberUse::Position},
        {{3, "Font size"}, r.textFontSize, true, NumberUse::Style},
        {{3, "Title font size"}, r.titleFontSize, true, NumberUse::Style},
        {{3, "Line height"}, r.textLineHeight, true, NumberUse::Style},
        {{3, "Title line height"}, r.titleLineHeight, true, NumberUse::Style},
        {{3, "Border width"}, r.borderWidth, true},
        {{4, "Scroll delay"}, r.scrollDelay, scroller},
        {{4, "Pause"}, r.pause, true},
    };
    for (const NumberField& field : fields) {
        if (!field.used)
            continue;
        const std::string typed = DesignCheck::quoted(field.value);
        if (field.use == NumberUse::Style && !isCssNumber(field.value, false))
            DesignCheck::add(
                found, field.place, "number-not-css",
                typed + " is not a number; it goes into the style with \"pt\" after it, so the browser "
                        "ignores it and uses its own size.");
        else if (field.use == NumberUse::Position && !isCssNumber(field.value, true))
            DesignCheck::add(
                found, field.place, "number-not-css",
                typed + " is not a number; it goes into the style with \"px\" after it, so the browser "
                        "ignores the position and puts the image at the top left.");
        else if (field.use == NumberUse::Code && !isPlainDigits(field.value))
            DesignCheck::add(
                found, field.place, "number-not-digits",
                typed + " is not plain digits; it goes into the generated code as typed, so the news box "
                        "gets a wrong size or stops with a script error.");
        else if (field.positive && IntegerText::parse(field.value) <= 0)
            DesignCheck::add(found, field.place, "number-not-positive",
                             typed +
                                 " is not a positive number; the news box has no room and shows nothing.");
        else if (field.positive && IntegerText::parse(field.value) > hugeSize)
            DesignCheck::add(
                found, field.place, "size-huge",
                typed + " is more than " + std::to_string(hugeSize) +
                    " pixels, larger than any screen; the box cannot be seen whole, and a scroller takes "
                    "minutes to bring its first message into sight.");
        else if (field.use == NumberUse::Style &&
                 (field.place.field == "Font size" || field.place.field == "Title font size") &&
                 std::stod(field.value) == 0)
            DesignCheck::add(
                found, field.place, "font-size-zero",
                typed + " is a font size of 0; the browser draws the letters with no size, so the " +
                    (field.place.field == "Font size" ? "texts" : "titles") + " cannot be seen.");
    }
}

// The messages go inside the margins and the border; where those take all of the box, nothing is left
// to show them in.
void SizeCheck::checkRoom(const ProjectRecord& r, Found& found)
{
    for (const std::string* value :
         {&r.width, &r.height, &r.leftMargin, &r.topMargin, &r.bottomMargin, &r.borderWidth})
        if (!isPlainDigits(*value))
            return;
    const auto number = [](const std::string& text) { return static_cast<long>(IntegerText::parse(text)); };
    const long border = number(r.borderWidth);
    // The message area inside the border is width - 2 border wide; a message starts at the left margin.
    const long across = number(r.leftMargin) + 2 * border;
    // The area shows the rows from the top margin down to the bottom margin and the border, and no lower
    // than its own height, height - 2 border.
    const long down = number(r.topMargin) + std::max(number(r.bottomMargin) + border, 2 * border);
    if (number(r.width) > 0 && across >= number(r.width))
        DesignCheck::add(found, {2, "Width"}, "size-no-room",
                         DesignCheck::quoted(r.width) +
                             " leaves no room across: the left margin and twice the border width take " +
                             std::to_string(across) +
                             " pixels, so the messages start outside the box and cannot be seen.");
    if (number(r.height) > 0 && down >= number(r.height))
        DesignCheck::add(found, {2, "Height"}, "size-no-room",
                         DesignCheck::quoted(r.height) +
                             " leaves no room: the top margin, the bottom margin and the border take " +
                             std::to_string(down) + " pixels, so the box shows no message.");
}

// A word wider than the text column runs on past the column's side, over the margin, and whatever
// passes the box's edge is cut off. Left to right the words start at the left margin; right to left they
// end at the column's right side and run out to the left, unless margins and border together are wider
// than the box: the column then has no width of its own and grows from the left margin to fit the word.
void SizeCheck::checkColumn(const ProjectRecord& r, Found& found)
{
    for (const std::string* value : {&r.width, &r.leftMargin, &r.rightMargin, &r.borderWidth})
        if (!isPlainDigits(*value))
            return;
    const auto number = [](const std::string& text) { return static_cast<long>(IntegerText::parse(text)); };
    const long inner = number(r.width) - 2 * number(r.borderWidth);
    const long left = number(r.leftMargin);
    const long right = number(r.rightMargin);
    if (left >= inner)
        return; // the messages start outside the box, which checkRoom reports
    const bool towardsLeft = r.rightToLeft == ProjectRecord::ticked && inner - left - right >= 0;
    const long room = towardsLeft ? inner - right : inner - left;

    const ScriptText script(r);
    WordWidth::Word widest;
    int widestMessage = 0;
    std::string widestSize;
    for (int i = 0; i < r.messageCount(); ++i) {
        const Message m = r.message(i);
        const struct
        {
            const std::string& value;
            const std::string& size;
            const std::string& face;
        } fields[] = {{m.title, r.titleFontSize, r.titleFontFace}, {m.text, r.textFontSize, r.textFontFace}};
        for (const auto& [value, size, face] : fields) {
            if (!isCssNumber(size, false))
                continue;
            const std::u32string text = script.characters(value);
            const std::u32string decoded =
                ScriptEscape::read(text, ScriptText::literalBackslashes(text, true)).text;
            const WordWidth::Word word = WordWidth::widestIn(decoded, face, std::stod(size) * 4 / 3);
            if (word.pixels > widest.pixels) {
                widest = word;
                widestMessage = i + 1;
                widestSize = size;
            }
        }
    }
    // A word's advance ends in the last letter's side bearing: passing the edge by a pixel or less cuts
    // nothing that can be seen.
    if (widest.pixels <= room + 1)
        return;
    const DesignCheck::Place place =
        towardsLeft ? DesignCheck::Place{2, "Right margin"} : DesignCheck::Place{2, "Left margin"};
    DesignCheck::add(found, place, "words-cut",
                     DesignCheck::quoted(towardsLeft ? r.rightMargin : r.leftMargin) + " leaves the text " +
                         std::to_string(room) + " pixels up to the box's " +
                         (towardsLeft ? "left" : "right") + " edge, but the word " +
                         DesignCheck::quoted(TextEncoding::encodeUtf8(widest.text)) + " of message " +
                         std::to_string(widestMessage) + " takes at least " +
                         std::to_string(static_cast<long>(widest.pixels)) + " pixels at " + widestSize +
                         " pt; browsers break lines only between words, so its lines are cut at the edge.");
}
