#include "feed/FeedSelection.h"

#include <algorithm>

void FeedSelection::learnUpTo(std::size_t count)
{
    FeedOptions options;
    // Any length shows whether a text is empty; the target of the defaults is one the import takes.
    options.maxLength = 1;
    for (std::size_t i = facts_.size(); i < std::min(count, items_.kept.size()); ++i) {
        // An item with a link is a message unless it is left out, whatever its texts reduce to.
        if (!items_.kept[i].link.empty()) {
            FeedImport::Notes notes = FeedImport::notesOf(items_.kept[i], i);
            facts_.push_back({!notes.leftOut, std::move(notes.warnings)});
            continue;
        }
        options.maxItems = static_cast<int>(i + 1);
        auto made = FeedImport::messages(items_, options, i);
        Facts facts;
        if (made.ok()) {
            facts.message = !made.value().messages.empty();
            facts.warnings = std::move(made.value().warnings);
        }
        facts_.push_back(std::move(facts));
    }
}

FeedSelection::Summary FeedSelection::summary(std::size_t maxItems)
{
    learnUpTo(maxItems);
    Summary summary;
    for (std::size_t i = 0; i < std::min(maxItems, facts_.size()); ++i) {
        summary.messageCount += facts_[i].message ? 1 : 0;
        summary.warnings.insert(summary.warnings.end(), facts_[i].warnings.begin(), facts_[i].warnings.end());
    }
    return summary;
}

Expected<std::vector<Message>> FeedSelection::firstMessages(const FeedOptions& options, std::size_t most)
{
    const auto maxItems = static_cast<std::size_t>(std::max(options.maxItems, 0));
    learnUpTo(maxItems);
    // Only the items up to the last of the first `most` messages are made.
    std::size_t items = 0;
    for (std::size_t found = 0; items < std::min(maxItems, facts_.size()) && found < most; ++items)
        found += facts_[items].message ? 1 : 0;
    FeedOptions first = options;
    if (options.maxItems >= 1 && maxItems <= FeedItems::maxCount)
        first.maxItems = static_cast<int>(std::max<std::size_t>(items, 1));
    auto made = FeedImport::messages(items_, first);
    if (!made.ok())
        return made.error();
    return std::move(made.value().messages);
}
