#include "generator/MessageDataScript.h"

#include "generator/ScriptText.h"

#include <gtest/gtest.h>

TEST(MessageDataScript, NoMessagesGiveTwoEmptyLines)
{
    EXPECT_EQ(
        MessageDataScript::BuildMessageDataScript(ProjectRecord{}),
        "var titlea = new Array();var texta = new Array();var linka = new Array();var trgfrma = new Array();"
        "var heightarr = new Array();var cyposarr = new Array();\r\n\r\n\r\nvar mc=0;\r\n");
}

TEST(MessageDataScript, QuotesAreEscapedWithoutLimitAndLineBreaksDropped)
{
    ProjectRecord record;
    record.appendMessage(
        {"say \"hi\"\r\nthere", "line one\r\nline \"two\"\nthree", "http://x/?a=\"b\"\n", "_top"});
    record.appendMessage({std::string(250, '"'), "", "", ""});
    const std::string script = MessageDataScript::BuildMessageDataScript(record);
    EXPECT_NE(script.find("cyposarr[0]=0;cyposarr[1]=1;\r\n"), std::string::npos);
    EXPECT_NE(script.find("titlea[0] = \"say \\\"hi\\\"there\";texta[0] = \"line oneline \\\"two\\\"three\";"
                          "linka[0] = \"http://x/?a=\\\"b\\\"\";trgfrma[0] = \"_top\";"),
              std::string::npos);
    std::string escaped;
    for (int i = 0; i < 250; ++i)
        escaped += "\\\"";
    EXPECT_NE(
        script.find("titlea[1] = \"" + escaped + "\";texta[1] = \"\";linka[1] = \"\";trgfrma[1] = \"\";"),
        std::string::npos);
    EXPECT_EQ(script.substr(script.size() - 11), "var mc=2;\r\n");
}

TEST(ScriptText, AsciiPassesThroughAndEveryOtherCharacterBecomesAnEscape)
{
    ProjectRecord utf8;
    utf8.scrollerName = "Sch\xc3\xb6n";
    ProjectRecord windows1252;
    windows1252.scrollerName = "caf\xe9";

    const std::string ascii = "<b>&amp;</b> it's a\\tb \\ ~";
    EXPECT_EQ(ScriptText(utf8).literalBody(ascii), ascii);
    EXPECT_EQ(ScriptText(windows1252).literalBody(ascii), ascii);

    EXPECT_EQ(
        ScriptText(utf8).literalBody("Sch\xc3\xb6n \xe2\x82\xac \xe6\x97\xa5 \xf0\x9f\x98\x80 \"q\"\r\n"),
        "Sch\\u00F6n \\u20AC \\u65E5 \\uD83D\\uDE00 \\\"q\\\"");
    EXPECT_EQ(ScriptText(windows1252).literalBody("caf\xe9 \x80 \x93q\x94 \xb6"),
              "caf\\u00E9 \\u20AC \\u201Cq\\u201D \\u00B6");
    EXPECT_EQ(ScriptText(utf8).asciiOnly("Caf\xc3\xa9 \"Sans\"\n"), "Caf\\u00E9 \"Sans\"");
}

TEST(ScriptText, PercentEncodingTouchesOnlyNonAsciiBytes)
{
    EXPECT_EQ(ScriptText::percentEncoded("sch\xc3\xb6n_"), "sch%C3%B6n_");
    EXPECT_EQ(ScriptText::percentEncoded("caf\xe9_"), "caf%E9_");
    EXPECT_EQ(ScriptText::percentEncoded("scroller_ a%b"), "scroller_ a%b");
}
