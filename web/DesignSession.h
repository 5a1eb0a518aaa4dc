#pragma once

#include "feed/FeedOptions.h"
#include "feed/FeedSelection.h"
#include "project/Expected.h"
#include "project/FileSet.h"
#include "project/ProjectRecord.h"

#include <optional>
#include <string>
#include <string_view>

// The design that the browser edition works on, with what marquetto-cli and the wizard's pages do to it.
// Files are those of the module's memory file system; every rule is the core's.
class DesignSession
{
public:
    DesignSession();

    // The built-in default project, as the wizard starts with it.
    void openDefault();
    // Reads the project file at `path`; a file that is not a project leaves the design as it was.
    Expected<void> open(const std::string& path);
    // One named value, held to the rule of its control as `set` holds it. A text that marks a record of
    // the project file is refused as the wizard's fields refuse it.
    Expected<void> assign(std::string_view name, std::string_view value);

    // What `show --format=json` prints.
    std::string shown() const;
    // What `check --format=json` prints; background images are looked for in imageFolder.
    std::string checked(const std::string& imageFolder) const;
    // Makes the files that `generate` writes into folder, in memory, the background image among them
    // when the design shows one found in imageFolder. Returns a JSON object: the snippet in UTF-8, the
    // names of the files in the order of generatedFile() and warnings of what could not be brought.
    Expected<std::string> generate(const std::string& folder, const std::string& imageFolder);
    // A file of the last generation, or null.
    const FileSet::File* generatedFile(int index) const;
    // Writes the project as the wizard saves it.
    Expected<void> save(const std::string& path) const;

    // The message editors: texts in UTF-8, stored as the editors store them. An edited text that was
    // not typed over keeps its bytes.
    Expected<void> addMessage(const Message& typed);
    Expected<void> editMessage(int index, Message typed, bool textTyped);
    bool removeMessage(int index);
    bool moveMessage(int index, bool up);

    // Reads a feed once, as the Import dialog does; its items stay for the previews and the import.
    Expected<std::size_t> readFeed(const std::string& path);
    // The first messages the options make and what the author is warned of, as a JSON object.
    Expected<std::string> feedPreview(const FeedOptions& options, std::size_t rows);
    Expected<void> importFeed(const FeedOptions& options, bool append);

    // The named values with what each takes, for building the controls: a JSON array.
    static std::string valuesJson();

private:
    std::string inUtf8(const std::string& bytes) const;

    ProjectRecord record_;
    std::optional<FeedSelection> feed_;
    std::vector<FileSet::File> generated_;
};
