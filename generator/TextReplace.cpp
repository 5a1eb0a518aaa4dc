#include "generator/TextReplace.h"

void TextReplace::ReplaceBounded(std::string& text, std::string_view token, std::string_view value)
{
    if (token.empty())
        return;
    for (int round = 0; round < boundedLimit; ++round) {
        const auto at = text.find(token);
        if (at == std::string::npos)
            return;
        text.replace(at, token.size(), value);
    }
}

void TextReplace::replaceAll(std::string& text, std::string_view token, std::string_view value)
{
    if (token.empty() || text.find(token) == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (auto at = text.find(token); at != std::string::npos; at = text.find(token, from)) {
        result.append(text, from, at - from);
        result += value;
        from = at + token.size();
    }
    result.append(text, from, std::string::npos);
    text = std::move(result);
}
