#include "app/CommandLineOptions.h"

#include <getopt.h>

namespace {

// getopt_long reports an option by the value it was given: its short letter, or a number past any letter.
constexpr int firstLongOnlyCode = 256;

int codeOf(const std::vector<OptionRule>& allowed, std::size_t index)
{
    const char letter = allowed[index].shortName;
    return letter != 0 ? letter : firstLongOnlyCode + static_cast<int>(index);
}

const OptionRule* ruleWithCode(const std::vector<OptionRule>& allowed, int code)
{
    for (std::size_t i = 0; i < allowed.size(); ++i)
        if (codeOf(allowed, i) == code)
            return &allowed[i];
    return nullptr;
}

std::string shortOptionString(const std::vector<OptionRule>& allowed)
{
    // The leading ':' makes a missing value come back as ':' rather than as an unknown option.
    std::string letters = ":";
    for (const OptionRule& rule : allowed) {
        if (rule.shortName == 0)
            continue;
        letters += rule.shortName;
        if (rule.takesValue)
            letters += ':';
    }
    return letters;
}

std::vector<option> longOptionTable(const std::vector<OptionRule>& allowed)
{
    std::vector<option> table;
    for (std::size_t i = 0; i < allowed.size(); ++i)
        table.push_back({allowed[i].name.c_str(), allowed[i].takesValue ? required_argument : no_argument,
                         nullptr, codeOf(allowed, i)});
    table.push_back({nullptr, 0, nullptr, 0});
    return table;
}

// getopt_long refuses a word in three ways: an unknown long option (no code), a known option without a
// value given one ("--help=yes", its code), and an unknown letter (the letter).
std::string describeRefused(const std::string& word, int refused, const std::vector<OptionRule>& allowed)
{
    if (refused == 0)
        return "unknown option '" + word.substr(0, word.find('=')) + "'";
    if (const OptionRule* rule = ruleWithCode(allowed, refused))
        return "option '--" + rule->name + "' takes no value";
    return std::string("unknown option '-") + static_cast<char>(refused) + "'";
}

} // namespace

Expected<CommandLineOptions> CommandLineOptions::parse(const std::vector<std::string>& arguments,
                                                       const std::vector<OptionRule>& allowed)
{
    std::vector<std::string> words{"marquetto-cli"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());
    const std::string letters = shortOptionString(allowed);
    const std::vector<option> table = longOptionTable(allowed);

    // getopt_long keeps its place in globals: start afresh, and let it print nothing of its own.
    optind = 0;
    opterr = 0;
    CommandLineOptions parsed;
    int code;
    while ((code = getopt_long(argc, argv.data(), letters.c_str(), table.data(), nullptr)) != -1) {
        if (code == '?')
            return Error::usage(describeRefused(argv[optind - 1], optopt, allowed));
        if (code == ':') {
            const OptionRule* rule = ruleWithCode(allowed, optopt);
            return Error::usage("option '--" + (rule ? rule->name : std::string()) + "' needs a value");
        }
        const OptionRule* rule = ruleWithCode(allowed, code);
        if (rule->namesFile && optarg && *optarg == '\0')
            return Error::usage("option '--" + rule->name + "' needs a file name, not an empty text");
        if (!parsed.values_.emplace(rule->name, optarg ? optarg : "").second)
            return Error::usage("option '--" + rule->name + "' is given twice");
    }
    parsed.operands_.assign(argv.begin() + optind, argv.begin() + argc);
    return parsed;
}

std::string CommandLineOptions::value(const std::string& name) const
{
    const auto found = values_.find(name);
    return found == values_.end() ? std::string() : found->second;
}
