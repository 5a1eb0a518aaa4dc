#include "feed/FeedLink.h"

#include <gtest/gtest.h>

namespace {

struct LinkCase
{
    std::string base;
    std::string reference;
    std::string expected;
};

} // namespace

// The examples of RFC 3986, section 5.4, with its base address.
TEST(FeedLink, RelativeReferencesResolveAsTheUriStandardSays)
{
    const std::string base = "http://a/b/c/d;p?q";
    const LinkCase cases[] = {
        {base, "g", "http://a/b/c/g"},      {base, "./g", "http://a/b/c/g"},
        {base, "g/", "http://a/b/c/g/"},    {base, "/g", "http://a/g"},
        {base, "//g", "http://g"},          {base, "?y", "http://a/b/c/d;p?y"},
        {base, "g?y", "http://a/b/c/g?y"},  {base, "#s", "http://a/b/c/d;p?q#s"},
        {base, "g#s", "http://a/b/c/g#s"},  {base, "g?y#s", "http://a/b/c/g?y#s"},
        {base, ";x", "http://a/b/c/;x"},    {base, "g;x", "http://a/b/c/g;x"},
        {base, ".", "http://a/b/c/"},       {base, "./", "http://a/b/c/"},
        {base, "..", "http://a/b/"},        {base, "../", "http://a/b/"},
        {base, "../g", "http://a/b/g"},     {base, "../..", "http://a/"},
        {base, "../../g", "http://a/g"},    {base, "../../../g", "http://a/g"},
        {base, "/./g", "http://a/g"},       {base, "/../g", "http://a/g"},
        {base, "g.", "http://a/b/c/g."},    {base, "..g", "http://a/b/c/..g"},
        {base, "./../g", "http://a/b/g"},   {base, "g/./h", "http://a/b/c/g/h"},
        {base, "g/../h", "http://a/b/c/h"}, {base, "https://x.example/", "https://x.example/"},
    };
    for (const LinkCase& c : cases)
        EXPECT_EQ(FeedLink::resolve(c.base, c.reference), c.expected) << c.reference;
}

TEST(FeedLink, OnlyLinksThatAClickMayFollowAreKept)
{
    const LinkCase cases[] = {
        {"https://site.example/news/", "javascript:alert(1)", ""},
        {"https://site.example/news/", " JavaScript:alert(1)", ""},
        {"", "vbscript:msgbox", ""},
        {"", "data:text/html,<script>x</script>", ""},
        {"", "file:///etc/passwd", ""},
        {"", "mailto:desk@site.example", "mailto:desk@site.example"},
        {"", "HTTPS://Site.example/A", "HTTPS://Site.example/A"},
        {"", "ftp://files.example/a.txt", "ftp://files.example/a.txt"},
        // Without a web address to resolve against, a relative link is left to the page that shows the box.
        {"", "news/1.html", "news/1.html"},
        {"urn:uuid:1", "news/1.html", "news/1.html"},
        {"", "/a", ""},
        {"", "   ", ""},
        // A script counts three characters however many bytes they take, and a character past U+FFFF as two.
        {"", "\xC3\xA9\xC3\xA9\xC3\xA9", ""},
        {"", "\xF0\x9F\x98\x80\xC3\xA9", ""},
        {"", "\xF0\x9F\x98\x80\xC3\xA9\xC3\xA9", "\xF0\x9F\x98\x80\xC3\xA9\xC3\xA9"},
        {"https://site.example", "a", "https://site.example/a"},
        {" https://site.example/x/ ", "\n  y.html \t", "https://site.example/x/y.html"},
        // A base longer than 2048 bytes is not used.
        {"https://site.example/" + std::string(2027, 'a'), "y.html", "https://site.example/y.html"},
        {"https://site.example/" + std::string(2028, 'a'), "y.html", "y.html"},
        {"", "https://site.example/a b'c\\d\"e<f>g`", "https://site.example/a%20b%27c%5Cd%22e%3Cf%3Eg%60"},
        // A script's string ends at U+2028 and U+2029 in older browsers; other non-ASCII stays as it is.
        {"", "https://site.example/\xE2\x80\xA8x\xE2\x80\xA9\xC3\xA9\xE2\x80\xA7",
         "https://site.example/%E2%80%A8x%E2%80%A9\xC3\xA9\xE2\x80\xA7"},
    };
    for (const LinkCase& c : cases)
        EXPECT_EQ(FeedLink::resolve(c.base, c.reference), c.expected) << c.base << " + " << c.reference;
}
