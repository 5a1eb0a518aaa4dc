// A generation run on any design read from a project text: the files on disk hold exactly the texts
// of the run, a design the run refuses is one the check reports, and when the check finds nothing,
// every generated script compiles.
#include "fuzz/FuzzCheck.h"
#include "fuzz/PlainLookup.h"
#include "fuzz/ScriptCompiler.h"
#include "generator/DesignCheck.h"
#include "generator/Generator.h"
#include "generator/PageRoundTrip.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Every generated file is also a message carrier, so a long message list only costs time here.
constexpr int generatedMessageLimit = 50;

std::string workFolder;
std::unique_ptr<ScriptCompiler> compiler;

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void requireFile(const std::string& path, const std::string& expected)
{
    require(fs::is_regular_file(path), "the run wrote " + path);
    require(fileBytes(path) == expected, path + " holds the text of the run");
}

// The host page's inline loader, the one script of the page.
std::string loaderOf(const std::string& hostPage)
{
    const std::string open = "<script language=\"javascript\">";
    const auto from = hostPage.find(open);
    const auto to = hostPage.find("</script>", from);
    require(from != std::string::npos && to != std::string::npos, "the host page has its loader script");
    return hostPage.substr(from + open.size(), to - from - open.size());
}

void requireCompiles(const std::string& what, const std::string& script)
{
    const std::string error = compiler->syntaxError(script);
    require(error.empty(), what + " compiles when the design check finds nothing", error + "\n" + script);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char folder[] = "/tmp/marquetto-fuzz-XXXXXX";
    require(mkdtemp(folder) != nullptr, "a working folder can be made");
    workFolder = std::string(folder) + "/";
    compiler = std::make_unique<ScriptCompiler>(MARQUETTO_NODE, MARQUETTO_COMPILE_SERVER);
    std::atexit([] {
        compiler.reset();
        fs::remove_all(workFolder);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A project file's text ends at its first NUL byte, so no design read from a file holds one.
    std::string text = inputText(data, size);
    text.resize(std::min(text.find('\0'), text.size()));
    if (plainMessageCount(text) > generatedMessageLimit)
        return -1;
    // The design as marquetto-cli check and generate each take it.
    ProjectRecord record = readText(text);
    ProjectRecord checked = record;
    checked.textFontFace =
        PageRoundTrip::fontFace(record.textUseCustomFont, record.textCustomFont, record.textFontIndex);
    checked.titleFontFace =
        PageRoundTrip::fontFace(record.titleUseCustomFont, record.titleCustomFont, record.titleFontIndex);
    const bool checkIsSilent = DesignCheck::problems(checked, workFolder).empty();
    PageRoundTrip::apply(record);
    record.workFolder = workFolder;
    GeneratedTexts texts;
    const auto generated = Generator::GenerateOutputs(record, texts);
    if (!generated.ok()) {
        const Error& error = generated.error();
        require(!error.message().empty(), "a failed run says why");
        require(error.code() != Error::DesignRefused || !checkIsSilent,
                "the check reports a design that the run refuses", error.message());
    } else {
        requireFile(workFolder + Generator::boxFileName(record, "newstic.html"), texts.hostPageText);
        requireFile(workFolder + Generator::boxFileName(record, "newsticns6.js"), texts.standardsScriptText);
        requireFile(workFolder + Generator::boxFileName(record, "newsticie.js"), texts.ieScriptText);
        require(fileBytes(workFolder + "preview.html").find(texts.embedSnippet) != std::string::npos,
                "the preview page holds the snippet");
        if (checkIsSilent) {
            requireCompiles("the standards runtime", texts.standardsScriptText);
            requireCompiles("the Internet Explorer runtime", texts.ieScriptText);
            requireCompiles("the host page's loader", loaderOf(texts.hostPageText));
        }
    }
    for (const auto& entry : fs::directory_iterator(workFolder))
        fs::remove_all(entry.path());
    return 0;
}
