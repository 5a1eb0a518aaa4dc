#pragma once

#include "fuzz/FuzzCheck.h"
#include "project/IntegerText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The project file's lookup written the plain way: the first occurrence of the start text and the first
// occurrence of the end text, each searched from the beginning of the whole text.
inline std::string plainValue(std::string_view text, const std::string& key)
{
    const std::string start = "qvo-" + key + "=";
    const auto from = text.find(start);
    const auto to = text.find("endof-qvo-" + key);
    if (from == std::string_view::npos || to == std::string_view::npos || to < from + start.size())
        return {};
    return std::string(text.substr(from + start.size(), to - from - start.size()));
}

inline int plainMessageCount(std::string_view text)
{
    return IntegerText::parse(plainValue(text, "text-message_count"));
}

// Inputs that count more messages than this are left out: the plain lookup of each missing message
// scans the whole text, and an 8 KiB input holds far fewer messages anyway.
constexpr int fuzzedMessageLimit = 200;

// The fuzzer's bytes as a project text, or nothing for one that counts more messages than the limit.
inline std::optional<std::string> projectTextWithinLimit(const std::uint8_t* data, std::size_t size)
{
    std::string text = inputText(data, size);
    if (plainMessageCount(text) > fuzzedMessageLimit)
        return std::nullopt;
    return text;
}
