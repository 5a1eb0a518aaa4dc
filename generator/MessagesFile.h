#pragma once

#include "project/Message.h"
#include "project/ProjectRecord.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The file from which a published box with live messages takes new messages while its page stays open:
// {"version":1,"messages":[{"title":...,"text":...,"link":...,"target":...},...]} in UTF-8, on one line.
class MessagesFile
{
public:
    // What the box takes; it keeps the messages it shows when a file is larger or holds fewer or more.
    static constexpr std::size_t maxBytes = 1024 * 1024;
    static constexpr std::size_t fewestMessages = 1;
    static constexpr std::size_t mostMessages = 1000;
    // The file's name beside the host page, after the box name.
    static constexpr std::string_view suffix = "messages.json";

    // The file of messages whose texts are UTF-8, in their order.
    static std::string text(const std::vector<Message>& messages);
    // The file of the design's messages, in UTF-8 whatever the design's encoding.
    static std::string ofDesign(const ProjectRecord& record);

    // Why the box would not take the file of `count` messages, or empty when it would.
    static std::string refusal(const std::string& text, std::size_t count);

    // The box knows the file it was generated with by this (FNV-1a of the bytes) and the length, so that an
    // unchanged file changes nothing.
    static std::uint32_t fingerprint(std::string_view bytes);
};
