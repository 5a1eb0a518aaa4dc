#include "feed/XmlFeedReader.h"

#include "feed/FeedLink.h"
#include "feed/FeedPosition.h"

#include <algorithm>
#include <cctype>
#include <expat.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char separator = ' ';
constexpr std::string_view atomSpace = "http://www.w3.org/2005/Atom";
constexpr std::string_view rss1Space = "http://purl.org/rss/1.0/";
constexpr std::string_view rdfSpace = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr std::string_view contentSpace = "http://purl.org/rss/1.0/modules/content/";
constexpr std::string_view xmlBase = "http://www.w3.org/XML/1998/namespace base";

struct Name
{
    std::string_view space;
    std::string_view local;
};

Name split(const XML_Char* name)
{
    const std::string_view whole(name);
    const std::size_t at = whole.find(separator);
    if (at == std::string_view::npos)
        return {{}, whole};
    return {whole.substr(0, at), whole.substr(at + 1)};
}

std::string lowered(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::optional<std::string> attribute(const XML_Char** attributes, std::string_view name)
{
    for (int i = 0; attributes[i] != nullptr; i += 2)
        if (name == attributes[i])
            return std::string(attributes[i + 1]);
    return std::nullopt;
}

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::string escapedMarkupText(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '&')
            escaped += "&amp;";
        else if (c == '<')
            escaped += "&lt;";
        else if (c == '>')
            escaped += "&gt;";
        else
            escaped += c;
    }
    return escaped;
}

enum class Kind
{
    Unknown,
    Rss,
    Atom
};

// What an element of an item holds that the import reads.
enum class Field
{
    None,
    Title,
    Description,
    Content,
    Link,
    Guid
};

class Reader
{
public:
    Reader(XML_Parser parser, std::size_t keep) : parser_(parser), keep_(keep)
    {
        XML_SetUserData(parser, this);
        XML_SetStartDoctypeDeclHandler(
            parser, [](void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
                static_cast<Reader*>(self)->refuse(
                    "a document type declaration (<!DOCTYPE) is refused in a feed, "
                    "as it can declare entities that expand without end or read "
                    "other files");
            });
        XML_SetEntityDeclHandler(parser, [](void* self, const XML_Char*, int, const XML_Char*, int,
                                            const XML_Char*, const XML_Char*, const XML_Char*,
                                            const XML_Char*) {
            static_cast<Reader*>(self)->refuse("an entity declaration is refused in a feed");
        });
        XML_SetElementHandler(
            parser,
            [](void* self, const XML_Char* name, const XML_Char** attributes) {
                static_cast<Reader*>(self)->start(split(name), attributes);
            },
            [](void* self, const XML_Char* name) { static_cast<Reader*>(self)->end(split(name)); });
        XML_SetCharacterDataHandler(parser, [](void* self, const XML_Char* text, int length) {
            static_cast<Reader*>(self)->characters(std::string_view(text, static_cast<std::size_t>(length)));
        });
    }

    const std::optional<Error>& refusal() const { return refusal_; }
    FeedItems& items() { return items_; }

private:
    void refuse(const std::string& why)
    {
        if (refusal_)
            return;
        refusal_ =
            FeedPosition::of(XML_GetCurrentLineNumber(parser_), XML_GetCurrentColumnNumber(parser_) + 1)
                .error(why);
        XML_StopParser(parser_, XML_FALSE);
    }

    void start(Name name, const XML_Char** attributes)
    {
        const std::size_t depth = depth_++;
        if (const auto declared = attribute(attributes, xmlBase))
            bases_.push_back({depth, resolvedBase(base(), *declared)});
        if (depth == 0)
            startRoot(name);
        if (captureDepth_ > 0) {
            if (captureMarkup_)
                captured_ += "<" + std::string(name.local) + ">";
            return;
        }
        if (isItem(name, depth))
            startItem();
        else if (inItem_ && depth == itemDepth_ + 1)
            startField(name, attributes);
        else if (!inItem_ && isChannelLink(name, depth, attributes))
            readChannelLink(attributes);
    }

    void end(Name name)
    {
        --depth_;
        if (!bases_.empty() && bases_.back().depth == depth_)
            bases_.pop_back();
        if (captureDepth_ > 0 && depth_ > captureDepth_ - 1) {
            if (captureMarkup_)
                captured_ += "</" + std::string(name.local) + ">";
            return;
        }
        if (captureDepth_ > 0 && depth_ == captureDepth_ - 1)
            endField();
        else if (inItem_ && depth_ == itemDepth_)
            endItem();
    }

    void characters(std::string_view text)
    {
        if (captureDepth_ > 0)
            captured_ += captureMarkup_ ? escapedMarkupText(text) : std::string(text);
    }

    void startRoot(Name name)
    {
        if (name.space.empty() && name.local == "rss")
            kind_ = Kind::Rss;
        else if (name.space == rdfSpace && name.local == "RDF")
            kind_ = Kind::Rss;
        else if (name.space == atomSpace && name.local == "feed")
            kind_ = Kind::Atom;
        else
            refuse("the root element <" + std::string(name.local) +
                   "> is neither an RSS 2.0 <rss> nor an Atom 1.0 <feed>");
    }

    bool isItem(Name name, std::size_t depth) const
    {
        if (inItem_)
            return false;
        if (kind_ == Kind::Atom)
            return depth == 1 && name.space == atomSpace && name.local == "entry";
        return (depth == 2 && name.space.empty() && name.local == "item") ||
               (depth == 1 && name.space == rss1Space && name.local == "item");
    }

    bool isChannelLink(Name name, std::size_t depth, const XML_Char** attributes) const
    {
        if (!channelLink_.empty())
            return false;
        if (kind_ == Kind::Atom)
            return depth == 1 && name.space == atomSpace && name.local == "link" && isAlternate(attributes);
        return depth == 2 && name.local == "link" && (name.space.empty() || name.space == rss1Space);
    }

    // RSS gives the site's address as text, Atom as an attribute.
    void readChannelLink(const XML_Char** attributes)
    {
        if (kind_ == Kind::Rss)
            startCapture(Field::Link, false);
        else
            channelLink_ = resolvedBase(base(), attribute(attributes, "href").value_or(""));
    }

    const std::string& baseOfItem() const { return itemBase_.empty() ? channelLink_ : itemBase_; }

    static bool isAlternate(const XML_Char** attributes)
    {
        const auto rel = attribute(attributes, "rel");
        return !rel || *rel == "alternate";
    }

    void startItem()
    {
        if (++items_.count > FeedItems::maxCount) {
            refuse("the feed has more than " + std::to_string(FeedItems::maxCount) +
                   " items; larger feeds are not read");
            return;
        }
        inItem_ = true;
        itemDepth_ = depth_ - 1;
        item_ = {};
        description_.clear();
        content_.clear();
        guid_.clear();
        itemBase_ = base();
    }

    void startField(Name name, const XML_Char** attributes)
    {
        if (items_.count > keep_)
            return;
        const bool rss = kind_ == Kind::Rss && (name.space.empty() || name.space == rss1Space);
        const bool atom = kind_ == Kind::Atom && name.space == atomSpace;
        if (name.local == "title" && (rss || atom)) {
            startTextConstruct(Field::Title, atom ? attribute(attributes, "type") : std::string("html"));
        } else if (rss && name.local == "description") {
            startCapture(Field::Description, false);
            descriptionIsHtml_ = true;
        } else if (atom && name.local == "summary") {
            startTextConstruct(Field::Description, attribute(attributes, "type"));
        } else if (atom && name.local == "content" && !attribute(attributes, "src")) {
            startTextConstruct(Field::Content, attribute(attributes, "type"));
        } else if (kind_ == Kind::Rss && name.space == contentSpace && name.local == "encoded") {
            startCapture(Field::Content, false);
            contentIsHtml_ = true;
        } else if (rss && name.local == "link") {
            startCapture(Field::Link, false);
        } else if (rss && name.local == "guid" && attribute(attributes, "isPermaLink") != "false") {
            startCapture(Field::Guid, false);
        } else if (atom && name.local == "link" && item_.link.empty() && isAlternate(attributes)) {
            item_.link = FeedLink::resolve(base().empty() ? channelLink_ : base(),
                                           attribute(attributes, "href").value_or(""));
        }
    }

    // Atom says how its texts are written: plain text, escaped HTML, or XHTML elements within.
    void startTextConstruct(Field field, const std::optional<std::string>& type)
    {
        const std::string kind = lowered(type.value_or("text"));
        const bool html = kind == "html" || kind == "xhtml" || kind == "text/html";
        startCapture(field, kind == "xhtml");
        if (field == Field::Title)
            item_.titleIsHtml = html;
        else if (field == Field::Description)
            descriptionIsHtml_ = html;
        else
            contentIsHtml_ = html;
    }

    void startCapture(Field field, bool markup)
    {
        field_ = field;
        captureDepth_ = depth_;
        captureMarkup_ = markup;
        captured_.clear();
    }

    void endField()
    {
        switch (field_) {
        case Field::Title:
            item_.title = std::move(captured_);
            break;
        case Field::Description:
            description_ = std::move(captured_);
            break;
        case Field::Content:
            content_ = std::move(captured_);
            break;
        case Field::Link:
            if (inItem_)
                item_.link = FeedLink::resolve(baseOfItem(), captured_);
            else
                channelLink_ = captured_;
            break;
        case Field::Guid:
            guid_ = std::move(captured_);
            break;
        case Field::None:
            break;
        }
        field_ = Field::None;
        captureDepth_ = 0;
        captured_.clear();
    }

    void endItem()
    {
        inItem_ = false;
        if (items_.count > keep_)
            return;
        const bool summary = !isBlank(description_);
        item_.text = summary ? std::move(description_) : std::move(content_);
        item_.textIsHtml = summary ? descriptionIsHtml_ : contentIsHtml_;
        if (item_.link.empty() && !guid_.empty())
            item_.link = FeedLink::resolve(baseOfItem(), guid_);
        items_.kept.push_back(std::move(item_));
    }

    const std::string& base() const
    {
        static const std::string none;
        return bases_.empty() ? none : bases_.back().address;
    }

    static std::string resolvedBase(const std::string& outer, const std::string& declared)
    {
        const std::string resolved = FeedLink::resolve(outer, declared);
        return resolved.empty() ? outer : resolved;
    }

    XML_Parser parser_;
    std::size_t keep_;
    std::optional<Error> refusal_;
    Kind kind_ = Kind::Unknown;
    std::size_t depth_ = 0;
    // The xml:base in force and the depth of the element that declared it; kept only where one is
    // declared, so deep nesting under a long base costs no copies of it.
    struct Base
    {
        std::size_t depth;
        std::string address;
    };
    std::vector<Base> bases_;
    std::string channelLink_;

    bool inItem_ = false;
    std::size_t itemDepth_ = 0;
    std::string itemBase_;
    FeedItem item_;
    std::string description_;
    bool descriptionIsHtml_ = false;
    std::string content_;
    bool contentIsHtml_ = false;
    std::string guid_;

    Field field_ = Field::None;
    std::size_t captureDepth_ = 0;
    bool captureMarkup_ = false;
    std::string captured_;

    FeedItems items_;
};

using Parser = std::unique_ptr<std::remove_pointer_t<XML_Parser>, void (*)(XML_Parser)>;

} // namespace

Expected<FeedItems> XmlFeedReader::read(std::string_view text, std::size_t keep)
{
    // The text is UTF-8 whatever the declaration names: the import has decoded it already.
    Parser parser(XML_ParserCreateNS("UTF-8", separator), XML_ParserFree);
    Reader reader(parser.get(), keep);
    const XML_Status status = XML_Parse(parser.get(), text.data(), static_cast<int>(text.size()), XML_TRUE);
    if (reader.refusal())
        return *reader.refusal();
    if (status != XML_STATUS_OK)
        return FeedPosition::of(XML_GetCurrentLineNumber(parser.get()),
                                XML_GetCurrentColumnNumber(parser.get()) + 1)
            .error(std::string("the feed is not well-formed XML: ") +
                   XML_ErrorString(XML_GetErrorCode(parser.get())));
    return std::move(reader.items());
}
