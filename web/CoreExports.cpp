// The functions that the page's script calls in the module: one design session, texts in and out as
// UTF-8. A function that can fail returns a status (0 done, 1 refused by the design's rules, 2 refused as
// a value the control does not take, 3 a file) or a null text, and mq_error() says why.
#include "feed/FeedLink.h"
#include "project/RecordMarkers.h"
#include "web/DesignSession.h"

#include <emscripten/emscripten.h>

namespace {

DesignSession& session()
{
    static DesignSession design;
    return design;
}

std::string& lastError()
{
    static std::string text;
    return text;
}

int statusOf(const Error& error)
{
    lastError() = error.message();
    switch (error.code()) {
    case Error::DesignRefused:
        return 1;
    case Error::WrongUsage:
        return 2;
    case Error::FileFailed:
        break;
    }
    return 3;
}

int statusOf(const Expected<void>& done)
{
    return done.ok() ? 0 : statusOf(done.error());
}

// The text stays valid until the next call that returns one.
const char* returned(std::string text)
{
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

const char* returned(Expected<std::string> text)
{
    if (!text.ok()) {
        statusOf(text.error());
        return nullptr;
    }
    return returned(std::move(text.value()));
}

Error noMessage(int index)
{
    return Error::usage("there is no message " + std::to_string(index + 1));
}

FeedOptions feedOptions(int maxItems, int maxLength, const char* target)
{
    FeedOptions options;
    options.maxItems = maxItems;
    options.maxLength = maxLength;
    options.target = target;
    return options;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* mq_error()
{
    return lastError().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* mq_values()
{
    return returned(DesignSession::valuesJson());
}

EMSCRIPTEN_KEEPALIVE void mq_open_default()
{
    session().openDefault();
}

EMSCRIPTEN_KEEPALIVE int mq_open(const char* path)
{
    return statusOf(session().open(path));
}

EMSCRIPTEN_KEEPALIVE int mq_assign(const char* name, const char* value)
{
    return statusOf(session().assign(name, value));
}

EMSCRIPTEN_KEEPALIVE const char* mq_show()
{
    return returned(session().shown());
}

EMSCRIPTEN_KEEPALIVE const char* mq_check(const char* imageFolder)
{
    return returned(session().checked(imageFolder));
}

EMSCRIPTEN_KEEPALIVE const char* mq_generate(const char* folder, const char* imageFolder)
{
    return returned(session().generate(folder, imageFolder));
}

// The bytes of the file at `index` in the names that mq_generate returned, valid until it runs again.
EMSCRIPTEN_KEEPALIVE const char* mq_generated_bytes(int index)
{
    const FileSet::File* file = session().generatedFile(index);
    return file == nullptr ? nullptr : file->bytes.data();
}

EMSCRIPTEN_KEEPALIVE int mq_generated_size(int index)
{
    const FileSet::File* file = session().generatedFile(index);
    return file == nullptr ? -1 : static_cast<int>(file->bytes.size());
}

EMSCRIPTEN_KEEPALIVE int mq_save(const char* path)
{
    return statusOf(session().save(path));
}

EMSCRIPTEN_KEEPALIVE int mq_add_message(const char* title, const char* text, const char* link,
                                        const char* target)
{
    return statusOf(session().addMessage({title, text, link, target}));
}

EMSCRIPTEN_KEEPALIVE int mq_edit_message(int index, const char* title, const char* text, const char* link,
                                         const char* target, int textTyped)
{
    return statusOf(session().editMessage(index, {title, text, link, target}, textTyped != 0));
}

EMSCRIPTEN_KEEPALIVE int mq_remove_message(int index)
{
    return session().removeMessage(index) ? 0 : statusOf(noMessage(index));
}

EMSCRIPTEN_KEEPALIVE int mq_move_message(int index, int up)
{
    return session().moveMessage(index, up != 0) ? 0 : statusOf(noMessage(index));
}

// The record marker a text holds, or an empty text: the message editors refuse such a link or target
// as it is typed.
EMSCRIPTEN_KEEPALIVE const char* mq_key_text(const char* text)
{
    return returned(RecordMarkers::keyTextIn(text).value_or(""));
}

// The number of items read, or -1.
EMSCRIPTEN_KEEPALIVE int mq_read_feed(const char* path)
{
    auto count = session().readFeed(path);
    if (!count.ok()) {
        statusOf(count.error());
        return -1;
    }
    return static_cast<int>(count.value());
}

EMSCRIPTEN_KEEPALIVE const char* mq_feed_preview(int maxItems, int maxLength, const char* target, int rows)
{
    return returned(
        session().feedPreview(feedOptions(maxItems, maxLength, target), static_cast<std::size_t>(rows)));
}

EMSCRIPTEN_KEEPALIVE int mq_import_feed(int maxItems, int maxLength, const char* target, int append)
{
    return statusOf(session().importFeed(feedOptions(maxItems, maxLength, target), append != 0));
}

// For the browser's XML feed reader, which hands every link to the import's rule.
EMSCRIPTEN_KEEPALIVE const char* mq_resolve_link(const char* base, const char* reference)
{
    static std::string resolved;
    resolved = FeedLink::resolve(base, reference);
    return resolved.c_str();
}
}
