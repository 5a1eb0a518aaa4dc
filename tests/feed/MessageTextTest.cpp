#include "feed/MessageText.h"

#include "generator/MarkupCheck.h"

#include <gtest/gtest.h>

namespace {

struct TextCase
{
    std::string html;
    int maxLength;
    std::string expected;
};

constexpr int none = MessageText::unlimited;

} // namespace

// What is kept: the formatting elements, without attributes, and <br>; what goes with its content: what
// runs, loads or embeds; what is unwrapped: everything else, block elements leaving a space between words.
TEST(MessageText, HtmlIsReducedToFormattingThatCannotRunAnything)
{
    const TextCase cases[] = {
        {"plain words", none, "plain words"},
        {"  a \n\t b  ", none, "a b"},
        {"<p>one</p><p>two</p>", none, "one two"},
        {"in<span>line</span> <a href=\"https://x.example/\">link</a>", none, "inline link"},
        {"a<br><br>b", none, "a<br>b"},
        {"<br>a <br> ", none, "a"},
        {"x <script>alert(1)</script><style>p{}</style><iframe src=y></iframe>y", none, "x y"},
        {"<a href=\"javascript:alert(1)\" onclick=\"x()\">go</a>", none, "go"},
        {"<b onmouseover=\"x()\" style=\"color:red\">hi</b>", none, "<b>hi</b>"},
        {"<img src=x onerror=alert(1)>text", none, "text"},
        {"<svg><script>x()</script><text>s</text></svg>t", none, "t"},
        {"<object data=x><embed src=y>o</object>t", none, "t"},
        {"<textarea><b>x</b></textarea>t", none, "t"},
        {"&lt;script&gt;", none, "&lt;script&gt;"},
        {"&amp;amp; &copy; &#8217;", none, "&amp;amp; \u00A9 \u2019"},
        {"back\\slash", none, "back&#92;slash"},
        {"line\u2028para\u2029end", none, "line para end"},
        {"next\u0085line <b>\u0085</b>end", none, "next line end"},
        {"bell\x07 and\x1B escape", none, "bell and escape"},
        {"bad \xFF byte", none, "bad \uFFFD byte"},
        {"<b><i>left open", none, "<b><i>left open</i></b>"},
        {"<i>a</b>c", none, "<i>ac</i>"},
        {"<u>one</u> <em>two</em> <strong>3</strong> <s>4</s> <sub>5</sub><sup>6</sup> <small>7</small> "
         "<code>8</code> <mark>9</mark>",
         none,
         "<u>one</u> <em>two</em> <strong>3</strong> <s>4</s> <sub>5</sub><sup>6</sup> <small>7</small> "
         "<code>8</code> <mark>9</mark>"},
        {"<b><b><b><b><b><b><b><b><b><b>deep</b></b></b></b></b></b></b></b></b></b>", none,
         "<b><b><b><b><b><b><b><b>deep</b></b></b></b></b></b></b></b>"},
        {"<!-- note -->kept", none, "kept"},
        {"<b></b>a<i> </i>b<u>\n</u>", none, "a b"},
        {"<p><b><br></b></p>", none, ""},
        {"", none, ""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(MessageText::fromHtml(c.html, c.maxLength).text, c.expected) << c.html;
}

// The parser's time grows with the square of the nesting depth, which the number of start tags bounds. A
// text read only up to there ends with an ellipsis (its own, unless the length cut it before) and says so;
// one made only of elements beyond the bound is an ellipsis rather than nothing.
TEST(MessageText, ATextIsReadUpTo2000StartTagsAndCutVisiblyThere)
{
    std::string html;
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        html += "<b>x</b>";
        expected += "<b>x</b>";
    }
    struct Case
    {
        const char* name;
        std::string html;
        int maxLength;
        std::string expected;
        bool cutShort;
    };
    std::string nested;
    for (int i = 0; i < 2001; ++i)
        nested += "<span>";
    const Case cases[] = {
        {"a tag after the 2000th", html + "<b>y</b> and more", none, expected + "\u2026", true},
        {"text after the 2000th", html + " y", none, expected + " y", false},
        {"the length cuts first", html + "<b>y</b>", 3, "<b>x</b><b>x\u2026</b>", true},
        // Without room for an ellipsis after the 2000th character, the last one gives way to it.
        {"the ellipsis takes the last place", html + "<i>y</i>", 2000,
         expected.substr(0, 1998 * 8) + "<b>x\u2026</b>", true},
        {"nothing read but elements", nested + "hidden", 200, "\u2026", true},
    };
    for (const Case& c : cases) {
        const MessageText::Reduced reduced = MessageText::fromHtml(c.html, c.maxLength);
        EXPECT_TRUE(reduced.text == c.expected)
            << c.name << ": ..."
            << reduced.text.substr(reduced.text.size() - std::min<std::size_t>(reduced.text.size(), 40));
        EXPECT_EQ(reduced.cutShort, c.cutShort) << c.name;
    }
}

// A text longer than the limit keeps as many whole words as leave room for the ellipsis, which counts
// as one character; a first word longer than that is cut inside.
TEST(MessageText, ALongTextIsCutAtAWordBoundaryWithAnEllipsis)
{
    const TextCase cases[] = {
        {"one two", 7, "one two"},
        {"one two three", 9, "one two\u2026"},
        {"one two three", 8, "one two\u2026"},
        {"one two three", 7, "one\u2026"},
        {"a b c", 3, "a\u2026"},
        {"abcdef", 4, "abc\u2026"},
        {"abcdef", 1, "\u2026"},
        {"<b>bold words here</b> tail", 10, "<b>bold\u2026</b>"},
        {"<i>it</i> <b>bold words</b>", 12, "<i>it</i> <b>bold\u2026</b>"},
        {"one<br>two three", 8, "one<br>two\u2026"},
        {"caf\u00E9 cr\u00E8me br\u00FBl\u00E9e", 11, "caf\u00E9 cr\u00E8me\u2026"},
        {"&amp;&amp; and", 4, "&amp;&amp;\u2026"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(MessageText::fromHtml(c.html, c.maxLength).text, c.expected)
            << c.html << " at " << c.maxLength;
}

TEST(MessageText, PlainTextIsShownAsItReads)
{
    const TextCase cases[] = {
        {"<b> & \\", none, "&lt;b&gt; &amp; &#92;"},
        {"  spaced\n\nout  ", none, "spaced out"},
        {"Tom &amp; Jerry", none, "Tom &amp;amp; Jerry"},
        {"alpha beta gamma", 12, "alpha beta\u2026"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(MessageText::fromPlain(c.html, c.maxLength).text, c.expected) << c.html;
}

// Whatever the HTML, the reduced text passes the markup rules the design check applies.
TEST(MessageText, ReducedMarkupStaysInsideItsMessage)
{
    const char* hostile[] = {
        "<textarea>",
        "<script>var a = 1;",
        "<!-- never closed",
        "</div></div>after",
        "<b>open",
        "<a href='x",
        "<noscript>",
        "<title>",
        "<table><tr><td>cell",
        "<select><option>o",
        "<plaintext>rest",
        "<xmp>x",
        "<b><p>nested</b></p>",
        "<iframe>",
        "<style>",
        "<math><mi>x",
    };
    for (const char* html : hostile)
        for (int length : {none, 3, 10})
            EXPECT_EQ(MarkupCheck::of(MessageText::fromHtml(html, length).text).fault,
                      MarkupCheck::Fault::None)
                << html << " -> " << MessageText::fromHtml(html, length).text;
}
