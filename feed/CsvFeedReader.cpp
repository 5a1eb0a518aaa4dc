#include "feed/CsvFeedReader.h"

#include "feed/FeedLink.h"
#include "feed/FeedPosition.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::array<std::string_view, 4> columnNames{"title", "text", "link", "target"};

struct Field
{
    std::string text;
    std::size_t offset;
};
using Row = std::vector<Field>;

// Splits the text into rows of fields, one row at a time.
class Splitter
{
public:
    explicit Splitter(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }
    std::size_t offset() const { return at_; }

    // A row with more fields than `maxFields` is refused as soon as it has one more, whatever its length.
    Expected<Row> next(std::size_t maxFields, const char* tooMany)
    {
        const std::size_t start = at_;
        Row row;
        while (true) {
            auto field = nextField();
            if (!field.ok())
                return field.error();
            row.push_back(std::move(field.value()));
            if (atEnd())
                return row;
            if (text_[at_] == ',') {
                if (row.size() == maxFields)
                    return error(start, tooMany);
                ++at_;
                continue;
            }
            at_ += text_.substr(at_).starts_with("\r\n") ? 2 : 1;
            return row;
        }
    }

private:
    Expected<Field> nextField()
    {
        Field field{{}, at_};
        if (at_ < text_.size() && text_[at_] == '"')
            return quotedField(field);
        while (!atEnd() && !isEnd(text_[at_])) {
            if (text_[at_] == '"')
                return error(at_, "a quote inside a field that does not start with one; put the whole field "
                                  "in quotes and double the quote");
            field.text += text_[at_++];
        }
        return field;
    }

    Expected<Field> quotedField(Field field)
    {
        ++at_;
        while (true) {
            if (atEnd())
                return error(field.offset, "the quoted field that starts here has no closing quote");
            const char c = text_[at_++];
            if (c != '"') {
                field.text += c;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == '"') {
                field.text += '"';
                ++at_;
                continue;
            }
            if (!atEnd() && !isEnd(text_[at_]))
                return error(at_, "a closing quote must be followed by a comma or the end of the line");
            return field;
        }
    }

    static bool isEnd(char c) { return c == ',' || c == '\n' || c == '\r'; }

    Error error(std::size_t offset, const std::string& what) const
    {
        return FeedPosition::at(text_, offset).error(what);
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::string lowered(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    std::string name(first == std::string_view::npos ? std::string_view()
                                                     : text.substr(first, last - first + 1));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

// Where each named column is in a row; the header must name only known columns, each once.
struct Columns
{
    std::array<std::optional<std::size_t>, columnNames.size()> at;
    std::size_t count = 0;
    // Without the unnamed column at the end, which a row may leave out.
    std::size_t named = 0;
};

constexpr const char* tooManyColumns =
    "the header has more than 4 columns; the columns are title, text, link and target, in any order";

bool endsInUnnamedColumn(const Row& header)
{
    return header.size() > 1 && lowered(header.back().text).empty();
}

// A spreadsheet that ends each line with a comma names one column more, without a name: its fields are
// read and left aside.
Expected<Columns> columnsOf(const Row& header, std::string_view text)
{
    Columns columns;
    columns.count = header.size();
    columns.named = endsInUnnamedColumn(header) ? header.size() - 1 : header.size();
    if (columns.named > columnNames.size())
        return FeedPosition::of(1, 1).error(tooManyColumns);
    for (std::size_t i = 0; i < columns.named; ++i) {
        const std::string name = lowered(header[i].text);
        const auto known = std::find(columnNames.begin(), columnNames.end(), name);
        const auto position = FeedPosition::at(text, header[i].offset);
        if (known == columnNames.end())
            return position.error("the header names a column " + Error::quoted(header[i].text) +
                                  "; the columns are title, text, link and target, in any order");
        auto& slot = columns.at[static_cast<std::size_t>(known - columnNames.begin())];
        if (slot)
            return position.error("the header names the column " + name + " twice");
        slot = i;
    }
    if (!columns.at[0] && !columns.at[1])
        return FeedPosition::of(1, 1).error("the header names neither a title nor a text column");
    return columns;
}

std::string cell(const Row& row, const std::optional<std::size_t>& column)
{
    return column ? row[*column].text : std::string();
}

std::string fields(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " field" : " fields");
}

bool isEmptyLine(const Row& row)
{
    return row.size() == 1 && row.front().text.empty();
}

} // namespace

Expected<FeedItems> CsvFeedReader::read(std::string_view text, std::size_t keep)
{
    Splitter splitter(text);
    auto header = splitter.next(columnNames.size() + 1, tooManyColumns);
    if (!header.ok())
        return header.error();
    const auto columns = columnsOf(header.value(), text);
    if (!columns.ok())
        return columns.error();
    FeedItems items;
    while (!splitter.atEnd()) {
        const std::size_t start = splitter.offset();
        const std::size_t count = columns.value().count;
        const std::string tooMany =
            "the row has more than " + fields(count) + " where the header has " + std::to_string(count);
        auto row = splitter.next(count, tooMany.c_str());
        if (!row.ok())
            return row.error();
        if (isEmptyLine(row.value()))
            continue;
        if (row.value().size() != count && row.value().size() != columns.value().named)
            return FeedPosition::at(text, start)
                .error("the row has " + fields(row.value().size()) + " where the header has " +
                       std::to_string(count));
        if (++items.count > FeedItems::maxCount)
            return FeedPosition::at(text, start)
                .error("the file has more than " + std::to_string(FeedItems::maxCount) +
                       " rows; larger files are not read");
        if (items.count > keep)
            continue;
        const auto& at = columns.value().at;
        items.kept.push_back({cell(row.value(), at[0]), true, cell(row.value(), at[1]), true,
                              FeedLink::resolve({}, cell(row.value(), at[2])), cell(row.value(), at[3])});
    }
    return items;
}
