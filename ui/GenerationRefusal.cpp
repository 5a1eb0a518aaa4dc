#include "ui/GenerationRefusal.h"

#include <array>

namespace {

struct Caption
{
    const char* english; // as the generator names the field
    const char* context;
    const char* shown; // the control's caption on its page
};

// The fields into which the generator puts typed text, under the captions their pages show.
constexpr std::array<Caption, 16> captions = {{
    {"Width", "bir", QT_TRANSLATE_NOOP("bir", "Width :")},
    {"Height", "bir", QT_TRANSLATE_NOOP("bir", "Height :")},
    {"Space", "bir", QT_TRANSLATE_NOOP("bir", "Space :")},
    {"Top margin", "bir", QT_TRANSLATE_NOOP("bir", "Top margin :")},
    {"Bottom margin", "bir", QT_TRANSLATE_NOOP("bir", "Bottom margin :")},
    {"Left margin", "bir", QT_TRANSLATE_NOOP("bir", "Left margin :")},
    {"Right margin", "bir", QT_TRANSLATE_NOOP("bir", "Right margin :")},
    {"Text font", "dokuz", QT_TRANSLATE_NOOP("dokuz", "Text font name")},
    {"Title font", "dokuz", QT_TRANSLATE_NOOP("dokuz", "Title font name")},
    {"Font size", "dokuz", QT_TRANSLATE_NOOP("dokuz", "Font size :")},
    {"Title font size", "dokuz", QT_TRANSLATE_NOOP("dokuz", "Title font size :")},
    {"Line height", "dokuz", QT_TRANSLATE_NOOP("dokuz", "Line height :")},
    {"Title line height", "dokuz", QT_TRANSLATE_NOOP("dokuz", "Title line height :")},
    {"Border width", "dokuz", QT_TRANSLATE_NOOP("dokuz", "Border width :")},
    {"Scroll delay", "iki", QT_TRANSLATE_NOOP("iki", "Scroll delay :")},
    {"Pause", "iki", QT_TRANSLATE_NOOP("iki", "Pause :")},
}};

// The values of a rule, as many as the sentence asks for, empty where the error had fewer.
QStringList valuesOf(const Error& error, qsizetype count)
{
    QStringList values;
    for (const std::string& value : error.values())
        values << QString::fromLocal8Bit(value);
    while (values.size() < count)
        values << QString();
    return values;
}

} // namespace

QString GenerationRefusal::text(const Error& error, const std::string& folder)
{
    const std::string& rule = error.rule();
    const QStringList values = valuesOf(error, 3);
    if (rule == "placeholder")
        return tr("Step %1, %2: holds \"%3\", which the generator looks for in its scripts; remove it.")
            .arg(values[0], caption(values[1]), values[2]);
    if (rule == "name-separator")
        return tr("The name of the news box holds \"%1\", a path separator, so \"%2\" cannot be written; "
                  "remove it.")
            .arg(values[1], values[0]);
    if (rule == "name-too-long")
        return tr("The name of the news box makes a file name %1 bytes long, more than the %2 that the "
                  "folder "
                  "allows; shorten the name.")
            .arg(values[1], values[2]);
    return fileText(error, fileName(error.path(), folder), values);
}

QString GenerationRefusal::fileText(const Error& error, const QString& file, const QStringList& values)
{
    const std::string& rule = error.rule();
    if (rule == "system")
        return tr("\"%1\" could not be written: %2").arg(file, values[0]);
    if (rule == "read-only")
        return tr("\"%1\" is read-only, so it was left unchanged.").arg(file);
    if (rule == "folder-read-only")
        return tr("\"%1\" could not be written, because its folder \"%2\" is read-only.")
            .arg(file, values[0]);
    if (rule == "is-folder")
        return tr("\"%1\" is a folder, not a file.").arg(file);
    return tr("\"%1\" could not be written.").arg(file);
}

// The caption without the colon that ends it on the page.
QString GenerationRefusal::caption(const QString& englishCaption)
{
    for (const Caption& c : captions)
        if (englishCaption == QLatin1String(c.english)) {
            QString shown = QCoreApplication::translate(c.context, c.shown);
            while (!shown.isEmpty() && (shown.back() == u':' || shown.back().isSpace()))
                shown.chop(1);
            return shown;
        }
    return englishCaption;
}

QString GenerationRefusal::fileName(const std::string& path, const std::string& folder)
{
    const bool inFolder = !folder.empty() && path.starts_with(folder);
    return QString::fromLocal8Bit(inFolder ? path.substr(folder.size()) : path);
}
