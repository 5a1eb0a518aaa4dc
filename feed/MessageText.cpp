#include "feed/MessageText.h"

#include "project/TextEncoding.h"

#include <algorithm>
#include <gumbo.h>
#include <memory>
#include <vector>

namespace {

// Far more than a message shows. The parser takes time that grows with the square of how deeply elements
// nest, so a text is read only up to its 2000th start tag, which bounds the depth; that is far more than
// the first sentences of any article hold.
constexpr std::size_t maxHtmlBytes = 1024 * 1024;
constexpr std::size_t maxStartTags = 2000;
// Formatting nested deeper than this is unwrapped rather than kept.
constexpr std::size_t maxDepth = 8;

// Character formatting, which stays inside the message and has no attribute to misuse once attributes
// are dropped. Links are unwrapped: a click on the message opens the item's link.
bool isKept(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_B:
    case GUMBO_TAG_STRONG:
    case GUMBO_TAG_I:
    case GUMBO_TAG_EM:
    case GUMBO_TAG_U:
    case GUMBO_TAG_S:
    case GUMBO_TAG_SMALL:
    case GUMBO_TAG_SUB:
    case GUMBO_TAG_SUP:
    case GUMBO_TAG_CODE:
    case GUMBO_TAG_MARK:
        return true;
    default:
        return false;
    }
}

// Elements that run, load or embed something, or hold text that is not shown as such: gone with their
// content.
bool isDropped(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_IFRAME:
    case GUMBO_TAG_FRAME:
    case GUMBO_TAG_FRAMESET:
    case GUMBO_TAG_OBJECT:
    case GUMBO_TAG_EMBED:
    case GUMBO_TAG_APPLET:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_NOFRAMES:
    case GUMBO_TAG_NOEMBED:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_TEXTAREA:
    case GUMBO_TAG_SELECT:
    case GUMBO_TAG_SVG:
    case GUMBO_TAG_MATH:
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_AUDIO:
    case GUMBO_TAG_VIDEO:
    case GUMBO_TAG_CANVAS:
    case GUMBO_TAG_IMG:
    case GUMBO_TAG_XMP:
    case GUMBO_TAG_PLAINTEXT:
        return true;
    default:
        return false;
    }
}

// Elements that flow with the text around them; any other unwrapped element stood apart, so its words are
// kept apart from their neighbours'.
bool isInline(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_A:
    case GUMBO_TAG_SPAN:
    case GUMBO_TAG_FONT:
    case GUMBO_TAG_ABBR:
    case GUMBO_TAG_ACRONYM:
    case GUMBO_TAG_CITE:
    case GUMBO_TAG_DFN:
    case GUMBO_TAG_KBD:
    case GUMBO_TAG_SAMP:
    case GUMBO_TAG_VAR:
    case GUMBO_TAG_TIME:
    case GUMBO_TAG_BIG:
    case GUMBO_TAG_TT:
    case GUMBO_TAG_Q:
    case GUMBO_TAG_LABEL:
    case GUMBO_TAG_BDI:
    case GUMBO_TAG_BDO:
    case GUMBO_TAG_DATA:
    case GUMBO_TAG_INS:
    case GUMBO_TAG_DEL:
    case GUMBO_TAG_STRIKE:
    case GUMBO_TAG_NOBR:
    case GUMBO_TAG_WBR:
        return true;
    default:
        return false;
    }
}

bool isWhitespace(char32_t c)
{
    // The line and paragraph separators end a string literal in older scripts, so they are spaces here.
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\f' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

bool isUnwanted(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFE || c == 0xFFFF;
}

std::u32string escaped(char32_t c)
{
    switch (c) {
    case U'&':
        return U"&amp;";
    case U'<':
        return U"&lt;";
    case U'>':
        return U"&gt;";
    // The box's scripts read a backslash as the start of an escape.
    case U'\\':
        return U"&#92;";
    default:
        return std::u32string(1, c);
    }
}

// Collects the reduced text: spaces and line breaks are held back until something visible follows them,
// so none leads, trails or doubles, and a cut can fall at the last word boundary that leaves room for
// the ellipsis.
class Builder
{
    struct Element
    {
        std::string name;
        bool written;
    };

public:
    explicit Builder(int maxLength) : limit_(maxLength) { hardCut_ = here(); }

    bool full() const { return full_; }

    void text(std::u32string_view characters)
    {
        for (char32_t c : characters) {
            if (full_)
                return;
            if (isWhitespace(c))
                space();
            else if (!isUnwanted(c))
                visible(escaped(c));
        }
    }
    void space()
    {
        if (visible_ > 0 && !pendingBreak_)
            pendingSpace_ = true;
    }
    void lineBreak()
    {
        if (visible_ > 0) {
            pendingBreak_ = true;
            pendingSpace_ = false;
        }
    }
    // A start tag is written only when something visible follows it, so no element is left empty.
    void open(const std::string& name)
    {
        if (full_)
            return;
        if (open_.size() >= maxDepth)
            ++hidden_;
        else
            open_.push_back({name, false});
    }
    void close()
    {
        if (full_)
            return;
        if (hidden_ > 0)
            --hidden_;
        else if (!open_.empty())
            closeLast();
    }

    // The text goes on beyond what was read: an ellipsis says so, unless the length has cut it already.
    void endCut()
    {
        if (full_)
            return;
        if (limit_ != MessageText::unlimited && visible_ + 1 > limit_) {
            cut();
            return;
        }
        out_ += U"\u2026";
        ++visible_;
        full_ = true;
    }

    std::string result()
    {
        while (!open_.empty())
            closeLast();
        return TextEncoding::encodeUtf8(out_);
    }

private:
    struct Cut
    {
        std::size_t size;
        int visible;
        std::vector<Element> open;
    };

    Cut here() const { return {out_.size(), visible_, open_}; }

    void visible(const std::u32string& character)
    {
        flushPending();
        if (full_)
            return;
        for (Element& element : open_)
            if (!element.written) {
                out_ += U"<" + std::u32string(element.name.begin(), element.name.end()) + U">";
                element.written = true;
            }
        put(character);
    }

    void flushPending()
    {
        if (!pendingBreak_ && !pendingSpace_)
            return;
        if (limit_ == MessageText::unlimited || visible_ <= limit_ - 1)
            wordCut_ = here();
        if (pendingBreak_)
            out_ += U"<br>";
        else
            put(U" ");
        pendingBreak_ = pendingSpace_ = false;
    }

    void put(const std::u32string& character)
    {
        if (full_)
            return;
        if (limit_ != MessageText::unlimited && visible_ + 1 > limit_) {
            cut();
            return;
        }
        out_ += character;
        ++visible_;
        if (visible_ == limit_ - 1)
            hardCut_ = here();
    }

    // The text is longer than the limit: it ends at the last word boundary with room for the ellipsis, or
    // within the word when the first word alone is too long.
    void cut()
    {
        const Cut& at = wordCut_.visible > 0 ? wordCut_ : hardCut_;
        out_.resize(at.size);
        visible_ = at.visible;
        open_ = at.open;
        out_ += U"\u2026";
        ++visible_;
        full_ = true;
    }

    void closeLast()
    {
        const Element& last = open_.back();
        if (last.written)
            out_ += U"</" + std::u32string(last.name.begin(), last.name.end()) + U">";
        open_.pop_back();
    }

    int limit_;
    std::u32string out_;
    int visible_ = 0;
    bool pendingSpace_ = false;
    bool pendingBreak_ = false;
    bool full_ = false;
    // Formatting elements open, at most maxDepth of them, and how many more are open but not shown.
    std::vector<Element> open_;
    std::size_t hidden_ = 0;
    Cut wordCut_{0, 0, {}};
    Cut hardCut_{0, 0, {}};
};

using Output = std::unique_ptr<GumboOutput, void (*)(GumboOutput*)>;

Output parsed(const std::string& html)
{
    GumboOptions options = kGumboDefaultOptions;
    options.fragment_context = GUMBO_TAG_DIV;
    options.max_errors = 0;
    return Output(gumbo_parse_with_options(&options, html.data(), html.size()),
                  [](GumboOutput* output) { gumbo_destroy_output(&kGumboDefaultOptions, output); });
}

const GumboNode* childAt(const GumboNode* node, unsigned at)
{
    return static_cast<const GumboNode*>(node->v.element.children.data[at]);
}

// The tree is walked without recursion, since a hostile text can nest elements as deep as it is long.
void reduce(const GumboNode* root, Builder& builder)
{
    struct Frame
    {
        const GumboNode* node;
        unsigned next;
        bool kept;
        bool apart;
    };
    std::vector<Frame> frames{{root, 0, false, false}};
    while (!frames.empty() && !builder.full()) {
        Frame& frame = frames.back();
        if (frame.next == frame.node->v.element.children.length) {
            if (frame.kept)
                builder.close();
            if (frame.apart)
                builder.space();
            frames.pop_back();
            continue;
        }
        const GumboNode* node = childAt(frame.node, frame.next++);
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE ||
            node->type == GUMBO_NODE_CDATA) {
            builder.text(TextEncoding::decodeUtf8(node->v.text.text));
            continue;
        }
        if (node->type != GUMBO_NODE_ELEMENT)
            continue;
        const GumboTag tag = node->v.element.tag;
        if (isDropped(tag))
            continue;
        if (tag == GUMBO_TAG_BR) {
            builder.lineBreak();
            continue;
        }
        const bool kept = isKept(tag);
        const bool apart = !kept && !isInline(tag);
        if (kept)
            builder.open(gumbo_normalized_tagname(tag));
        if (apart)
            builder.space();
        frames.push_back({node, 0, kept, apart});
    }
}

bool isAsciiLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

struct Bounded
{
    std::string text;
    bool cut;
};

// The text up to its start tag after the last one read; whether there was one.
bool cutAfterStartTags(std::u32string& characters)
{
    std::size_t tags = 0;
    for (std::size_t at = 0; at + 1 < characters.size(); ++at)
        if (characters[at] == U'<' && isAsciiLetter(characters[at + 1]) && ++tags > maxStartTags) {
            characters.resize(at);
            return true;
        }
    return false;
}

// The text as the parser may read it: UTF-8, without the control characters that it would turn into
// replacement characters, and with the next-line control, which is white space here, as a space.
Bounded bounded(std::string_view text)
{
    std::u32string characters = TextEncoding::decodeUtf8(text.substr(0, maxHtmlBytes));
    std::erase_if(characters, [](char32_t c) { return isUnwanted(c) && !isWhitespace(c); });
    std::replace(characters.begin(), characters.end(), char32_t{0x85}, U' ');
    const bool cut = cutAfterStartTags(characters) || text.size() > maxHtmlBytes;
    return {TextEncoding::encodeUtf8(characters), cut};
}

} // namespace

MessageText::Reduced MessageText::fromHtml(std::string_view html, int maxLength)
{
    const Bounded text = bounded(html);
    const Output output = parsed(text.text);
    Builder builder(maxLength);
    reduce(output->root, builder);
    if (text.cut)
        builder.endCut();
    return {builder.result(), text.cut};
}

MessageText::Reduced MessageText::fromPlain(std::string_view text, int maxLength)
{
    Builder builder(maxLength);
    builder.text(TextEncoding::decodeUtf8(text.substr(0, maxHtmlBytes)));
    const bool cut = text.size() > maxHtmlBytes;
    if (cut)
        builder.endCut();
    return {builder.result(), cut};
}

bool MessageText::readsOnlyPart(std::string_view text, bool html)
{
    return html ? bounded(text).cut : text.size() > maxHtmlBytes;
}
