#include "generator/MarkupCheck.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using Fault = MarkupCheck::Fault;

struct MarkupCase
{
    std::string fragment;
    Fault fault;
    std::string culprit;
};

const char* faultName(Fault fault)
{
    switch (fault) {
    case Fault::None:
        return "none";
    case Fault::Swallows:
        return "swallows";
    case Fault::ClosesBox:
        return "closes the box";
    case Fault::Spills:
        return "spills";
    }
    return "?";
}

} // namespace

// Each verdict worked out from how an HTML5 parser reads the fragment inside a div with more markup after
// it: raw-text elements and comments run to their own end, an end tag with no open element of its name
// inside the fragment closes the box's, a formatting element left open is opened again in what follows.
TEST(MarkupCheck, FindsWhatReachesOutsideItsOwnElementAndNothingElse)
{
    const MarkupCase cases[] = {
        {"plain text", Fault::None, ""},
        {"<b>bold</b> <i>it</i> <u>u</u><br>next<br/>", Fault::None, ""},
        {"<img src=\"a.gif\" alt=\"\"> <a href=\"http://a.example/?a=1&amp;b=2\">go</a>", Fault::None, ""},
        {"<font color=red face=\"Arial\">red</font> &nbsp;&copy;&lt;&gt; 1 < 2 & 3", Fault::None, ""},
        {"<span style=\"color:red\"><div>inner</div></span><div><p>para</div>", Fault::None, ""},
        {"<!-- a note --> after", Fault::None, ""},
        {"<noscript>no</noscript> <textarea>ok</textarea> <script>var a;</script>", Fault::None, ""},
        {"<p>a paragraph left open", Fault::None, ""},
        {"<!-- never closed", Fault::Swallows, "<!--"},
        {"<textarea>", Fault::Swallows, "<textarea>"},
        {"<script>var a = 1;", Fault::Swallows, "<script>"},
        {"<style>b{color:red}", Fault::Swallows, "<style>"},
        {"<title>t", Fault::Swallows, "<title>"},
        {"<xmp>x", Fault::Swallows, "<xmp>"},
        {"<plaintext>", Fault::Swallows, "<plaintext>"},
        {"<iframe>", Fault::Swallows, "<iframe>"},
        {"<noscript>x", Fault::Swallows, "<noscript>"},
        {"<table><tr><td>cell", Fault::Swallows, "<table>"},
        {"<a href=\"http://a.example/>go", Fault::Swallows, ""},
        {"</div>after", Fault::ClosesBox, "</div>"},
        {"<div>one</div></div>", Fault::ClosesBox, "</div>"},
        {"text</td></table></div>", Fault::ClosesBox, "</div>"},
        {"<b>bold left open", Fault::Spills, "<b>"},
        {"<font color=red>red left open", Fault::Spills, "<font>"},
    };
    for (const MarkupCase& c : cases) {
        SCOPED_TRACE(c.fragment);
        const MarkupCheck::Verdict verdict = MarkupCheck::of(c.fragment);
        EXPECT_STREQ(faultName(verdict.fault), faultName(c.fault));
        EXPECT_EQ(verdict.culprit, c.culprit);
    }
}
