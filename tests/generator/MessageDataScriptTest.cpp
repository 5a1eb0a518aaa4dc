#include "generator/MessageDataScript.h"

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
