#include "project/ProjectRecord.h"

#include <algorithm>

Message ProjectRecord::message(int index) const
{
    if (!isMessageIndex(index))
        return {};
    const auto i = static_cast<std::size_t>(index);
    return {messageTitles_[i], messageTexts_[i], messageLinks_[i], messageTargets_[i]};
}

void ProjectRecord::appendMessage(Message message)
{
    insertMessage(messageCount(), std::move(message));
}

bool ProjectRecord::replaceMessage(int index, Message message)
{
    if (!isMessageIndex(index))
        return false;
    const auto i = static_cast<std::size_t>(index);
    messageTitles_[i] = std::move(message.title);
    messageTexts_[i] = std::move(message.text);
    messageLinks_[i] = std::move(message.link);
    messageTargets_[i] = std::move(message.target);
    return true;
}

bool ProjectRecord::removeMessage(int index)
{
    if (!isMessageIndex(index))
        return false;
    takeMessage(index);
    return true;
}

bool ProjectRecord::moveMessageUp(int index)
{
    if (!isMessageIndex(index))
        return false;
    Message moved = takeMessage(index);
    insertMessage(std::max(index - 1, 0), std::move(moved));
    return true;
}

bool ProjectRecord::moveMessageDown(int index)
{
    if (!isMessageIndex(index))
        return false;
    Message moved = takeMessage(index);
    insertMessage(std::min(index + 1, messageCount()), std::move(moved));
    return true;
}

void ProjectRecord::clearMessages()
{
    messageTitles_.clear();
    messageTexts_.clear();
    messageLinks_.clear();
    messageTargets_.clear();
}

void ProjectRecord::reserveMessages(int count)
{
    const auto size = static_cast<std::size_t>(std::max(count, 0));
    for (auto* list : {&messageTitles_, &messageTexts_, &messageLinks_, &messageTargets_})
        list->reserve(size);
}

void ProjectRecord::swapMessages(ProjectRecord& other)
{
    messageTitles_.swap(other.messageTitles_);
    messageTexts_.swap(other.messageTexts_);
    messageLinks_.swap(other.messageLinks_);
    messageTargets_.swap(other.messageTargets_);
}

Message ProjectRecord::takeMessage(int index)
{
    Message taken = message(index);
    const auto at = static_cast<std::ptrdiff_t>(index);
    messageTitles_.erase(messageTitles_.begin() + at);
    messageTexts_.erase(messageTexts_.begin() + at);
    messageLinks_.erase(messageLinks_.begin() + at);
    messageTargets_.erase(messageTargets_.begin() + at);
    return taken;
}

void ProjectRecord::insertMessage(int index, Message message)
{
    const auto at = static_cast<std::ptrdiff_t>(index);
    messageTitles_.insert(messageTitles_.begin() + at, std::move(message.title));
    messageTexts_.insert(messageTexts_.begin() + at, std::move(message.text));
    messageLinks_.insert(messageLinks_.begin() + at, std::move(message.link));
    messageTargets_.insert(messageTargets_.begin() + at, std::move(message.target));
}
