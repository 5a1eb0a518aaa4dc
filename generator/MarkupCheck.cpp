#include "generator/MarkupCheck.h"

#include <gumbo.h>
#include <memory>
#include <vector>

namespace {

// The message stands in a column with a message after it and the box goes on after the column, as the
// runtimes build them; each of these elements must come out of the parse where it went in.
constexpr std::string_view columnStart = "<div id=\"mq-column\"><div id=\"mq-own\">";
constexpr std::string_view columnEnd = "</div><div id=\"mq-next\">z</div></div><div id=\"mq-end\">z</div>";

using Output = std::unique_ptr<GumboOutput, void (*)(GumboOutput*)>;

Output parsed(const std::string& html)
{
    GumboOptions options = kGumboDefaultOptions;
    options.fragment_context = GUMBO_TAG_DIV;
    return Output(gumbo_parse_with_options(&options, html.data(), html.size()),
                  [](GumboOutput* output) { gumbo_destroy_output(&kGumboDefaultOptions, output); });
}

const GumboVector& childrenOf(const GumboNode* node)
{
    return node->v.element.children;
}

GumboNode* child(const GumboNode* node, unsigned at)
{
    return static_cast<GumboNode*>(childrenOf(node).data[at]);
}

std::string_view idOf(const GumboNode* node)
{
    if (node->type != GUMBO_NODE_ELEMENT)
        return {};
    const GumboAttribute* id = gumbo_get_attribute(&node->v.element.attributes, "id");
    return id ? std::string_view(id->value) : std::string_view();
}

const GumboNode* findById(const GumboNode* node, std::string_view id)
{
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE)
        return nullptr;
    if (idOf(node) == id)
        return node;
    for (unsigned i = 0; i < childrenOf(node).length; ++i)
        if (const GumboNode* found = findById(child(node, i), id))
            return found;
    return nullptr;
}

std::string tagText(const GumboNode* element)
{
    const GumboTag tag = element->v.element.tag;
    if (tag != GUMBO_TAG_UNKNOWN)
        return "<" + std::string(gumbo_normalized_tagname(tag)) + ">";
    GumboStringPiece name = element->v.element.original_tag;
    gumbo_tag_from_original_text(&name);
    return "<" + std::string(name.data, name.length) + ">";
}

// The node whose own text took in the markup of the next message: a comment, the text of a raw-text
// element, or an attribute value.
std::string swallower(const GumboNode* node)
{
    if (node->type == GUMBO_NODE_COMMENT)
        return std::string_view(node->v.text.text).find("mq-next") != std::string_view::npos ? "<!--" : "";
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE)
        return {};
    const GumboVector& attributes = node->v.element.attributes;
    for (unsigned i = 0; i < attributes.length; ++i)
        if (std::string_view(static_cast<GumboAttribute*>(attributes.data[i])->value).find("mq-next") !=
            std::string_view::npos)
            return tagText(node);
    for (unsigned i = 0; i < childrenOf(node).length; ++i) {
        const GumboNode* inner = child(node, i);
        if (inner->type == GUMBO_NODE_TEXT &&
            std::string_view(inner->v.text.text).find("mq-next") != std::string_view::npos)
            return tagText(node);
        if (std::string culprit = swallower(inner); !culprit.empty())
            return culprit;
    }
    return {};
}

bool holdsOnlyZ(const GumboNode* element)
{
    return childrenOf(element).length == 1 && child(element, 0)->type == GUMBO_NODE_TEXT &&
           std::string_view(child(element, 0)->v.text.text) == "z";
}

bool childrenAre(const GumboNode* element, std::initializer_list<std::string_view> ids)
{
    if (childrenOf(element).length != ids.size())
        return false;
    unsigned at = 0;
    for (std::string_view id : ids)
        if (idOf(child(element, at++)) != id)
            return false;
    return true;
}

// Browsers run scripts, so there <noscript> holds raw text up to its own end tag; the parser here
// reads its content as markup, so one that the parser had to close itself is one that swallows.
const GumboNode* openNoscript(const GumboNode* node)
{
    if (node->type != GUMBO_NODE_ELEMENT)
        return nullptr;
    if (node->v.element.tag == GUMBO_TAG_NOSCRIPT && (node->parse_flags & GUMBO_INSERTION_IMPLICIT_END_TAG))
        return node;
    for (unsigned i = 0; i < childrenOf(node).length; ++i)
        if (const GumboNode* found = openNoscript(child(node, i)))
            return found;
    return nullptr;
}

// The child of `own` that holds `inner`: the element left open.
const GumboNode* openedIn(const GumboNode* own, const GumboNode* inner)
{
    while (inner->parent != nullptr && inner->parent != own)
        inner = inner->parent;
    return inner->parent == own ? inner : nullptr;
}

} // namespace

MarkupCheck::Verdict MarkupCheck::of(std::string_view fragment)
{
    // The tree points into the text it was parsed from (an unknown tag's name, for one), so the text
    // must outlive it.
    const std::string html = std::string(columnStart) + std::string(fragment) + std::string(columnEnd);
    const Output output = parsed(html);
    const GumboNode* root = output->root;
    const GumboNode* own = findById(root, "mq-own");
    const GumboNode* next = findById(root, "mq-next");
    if (next == nullptr)
        return {Fault::Swallows, swallower(root)};
    if (own != nullptr)
        if (const GumboNode* noscript = openNoscript(own))
            return {Fault::Swallows, tagText(noscript)};
    const GumboNode* column = next->parent;
    if (idOf(column) != "mq-column") {
        if (own != nullptr)
            if (const GumboNode* opened = openedIn(own, next))
                return {Fault::Swallows, opened->type == GUMBO_NODE_ELEMENT ? tagText(opened) : ""};
        return {Fault::ClosesBox, "</div>"};
    }
    if (!childrenAre(root, {"mq-column", "mq-end"}) || !childrenAre(column, {"mq-own", "mq-next"}))
        return {Fault::ClosesBox, "</div>"};
    const GumboNode* end = child(root, 1);
    if (!holdsOnlyZ(next) || !holdsOnlyZ(end)) {
        const GumboNode* carried = child(next, 0);
        return {Fault::Spills, carried->type == GUMBO_NODE_ELEMENT ? tagText(carried) : ""};
    }
    return {};
}
