#include "tests/support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <gtest/gtest.h>

FakePlatform::FakePlatform() = default;

FakePlatform::~FakePlatform()
{
    verify();
}

void FakePlatform::expectMessage(const QString& text)
{
    expected_.push_back({CallKind::Message, text, {}, {}, {}});
}

void FakePlatform::expectMessageContaining(const QString& part)
{
    expected_.push_back({CallKind::Message, part, {}, {}, {}, true});
}

void FakePlatform::expectOpenFileName(std::optional<QString> answer)
{
    expected_.push_back({CallKind::OpenFileName, {}, {}, std::move(answer), {}});
}

void FakePlatform::expectSaveFileName(std::optional<QString> answer)
{
    expected_.push_back({CallKind::SaveFileName, {}, {}, std::move(answer), {}});
}

void FakePlatform::expectColor(std::optional<QColor> answer)
{
    expected_.push_back({CallKind::Color, {}, {}, {}, answer});
}

void FakePlatform::expectOpenUrl(const QUrl& url)
{
    expected_.push_back({CallKind::OpenUrl, {}, url, {}, {}});
}

void FakePlatform::expectClipboard(const QString& text)
{
    expected_.push_back({CallKind::Clipboard, text, {}, {}, {}});
}

void FakePlatform::expectSaveChangesQuestion(SaveChangesAnswer answer)
{
    Expectation expectation{CallKind::SaveChanges, {}, {}, {}, {}};
    expectation.saveChangesAnswer = answer;
    expected_.push_back(expectation);
}

void FakePlatform::verify()
{
    for (const Expectation& waiting : expected_) {
        ADD_FAILURE()
            << "expected call never made: " << kindName(waiting.kind) << " "
            << (waiting.kind == CallKind::OpenUrl ? waiting.url.toString() : waiting.text).toStdString();
    }
    expected_.clear();
}

FakePlatform::Call FakePlatform::lastCall(CallKind kind) const
{
    for (auto call = calls_.rbegin(); call != calls_.rend(); ++call)
        if (call->kind == kind)
            return *call;
    ADD_FAILURE() << "no " << kindName(kind) << " call was made";
    return {};
}

QStringList FakePlatform::messages() const
{
    QStringList texts;
    for (const Call& call : calls_)
        if (call.kind == CallKind::Message)
            texts << call.text;
    return texts;
}

std::optional<FakePlatform::Expectation> FakePlatform::take(const Call& call)
{
    const std::string detail =
        (call.kind == CallKind::OpenUrl ? call.url.toString() : call.text).toStdString();
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected call: " << kindName(call.kind) << " " << detail;
        return std::nullopt;
    }
    if (expected_.front().kind != call.kind) {
        ADD_FAILURE() << "unexpected call: " << kindName(call.kind) << " " << detail << " while waiting for "
                      << kindName(expected_.front().kind);
        return std::nullopt;
    }
    Expectation next = expected_.front();
    expected_.pop_front();
    calls_.push_back(call);
    return next;
}

void FakePlatform::showMessage(QWidget* parent, const QString& text)
{
    const auto next = take({CallKind::Message, parent, text, {}, {}, {}});
    if (!next)
        return;
    if (next->partialText) {
        EXPECT_TRUE(text.contains(next->text))
            << "message text \"" << text.toStdString() << "\" does not contain \"" << next->text.toStdString()
            << "\"";
    } else {
        EXPECT_EQ(next->text.toStdString(), text.toStdString()) << "message text";
    }
}

Platform::SaveChangesAnswer FakePlatform::askToSaveChanges(QWidget* parent)
{
    const auto next = take({CallKind::SaveChanges, parent, {}, {}, {}, {}});
    return next ? next->saveChangesAnswer : SaveChangesAnswer::Cancel;
}

std::optional<QString> FakePlatform::openFileName(QWidget* parent, const FileDialogOptions& options)
{
    const auto next = take({CallKind::OpenFileName, parent, options.caption, options, {}, {}});
    return next ? next->fileAnswer : std::nullopt;
}

std::optional<QString> FakePlatform::saveFileName(QWidget* parent, const FileDialogOptions& options)
{
    const auto next = take({CallKind::SaveFileName, parent, options.caption, options, {}, {}});
    return next ? next->fileAnswer : std::nullopt;
}

std::optional<QColor> FakePlatform::chooseColor(QWidget* parent, const QColor& initial)
{
    const auto next = take({CallKind::Color, parent, initial.name(), {}, initial, {}});
    return next ? next->colorAnswer : std::nullopt;
}

void FakePlatform::openUrl(const QUrl& url)
{
    if (const auto next = take({CallKind::OpenUrl, nullptr, {}, {}, {}, url})) {
        EXPECT_EQ(next->url.toString().toStdString(), url.toString().toStdString()) << "opened address";
    }
}

void FakePlatform::copyToClipboard(const QString& text)
{
    if (const auto next = take({CallKind::Clipboard, nullptr, text, {}, {}, {}})) {
        EXPECT_EQ(next->text.toStdString(), text.toStdString()) << "clipboard text";
    }
}

QString FakePlatform::currentFolder()
{
    if (!currentFolder_) {
        ADD_FAILURE() << "currentFolder asked, but the test set none";
        return {};
    }
    return *currentFolder_;
}

QString FakePlatform::dataFolder()
{
    if (!dataFolder_) {
        ADD_FAILURE() << "dataFolder asked, but the test set none";
        return {};
    }
    return *dataFolder_;
}

Expected<void> FakePlatform::makeFolder(const QString& path)
{
    if (makeFolderFails_ || !QDir().mkdir(path))
        return Error::file(path.toStdString(), "the folder was not made");
    madeFolders_ << path;
    return {};
}

bool FakePlatform::isWritableFolder(const QString& path)
{
    if (!readOnlyFolder_.isEmpty() && QDir(path) == QDir(readOnlyFolder_))
        return false;
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

Expected<void> FakePlatform::copyFile(const QString& from, const QString& to)
{
    if (copyFileFails_)
        return Error::file(to.toStdString(), "the test made copying fail");
    if (!QFile::exists(from))
        return Error::file(from.toStdString(), "does not exist");
    QFile::remove(to);
    if (!QFile::copy(from, to))
        return Error::file(to.toStdString(), "could not be copied from \"" + from.toStdString() + "\"");
    copies_ << from + " -> " + to;
    return {};
}

Expected<void> FakePlatform::writeFile(const QString& path, std::string_view bytes)
{
    if (copyFileFails_)
        return Error::file(path.toStdString(), "the test made writing fail");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0)
        return Error::file(path.toStdString(), "could not be written");
    copies_ << "compiled-in bytes -> " + path;
    return {};
}

const char* FakePlatform::kindName(CallKind kind)
{
    // In the order of CallKind, named as the Platform call that makes each.
    static constexpr std::array names = {"message",      "openFileName", "saveFileName",     "chooseColor",
                                         "openUrl",      "clipboard",    "askToSaveChanges", "askToReplace",
                                         "chooseFolder", "showNotice"};
    return names.at(static_cast<std::size_t>(kind));
}

void FakePlatform::expectReplaceQuestion(const QString& path, bool replace)
{
    Expectation expectation{CallKind::ReplaceQuestion, path, {}, {}, {}};
    expectation.replaceAnswer = replace;
    expected_.push_back(expectation);
}

bool FakePlatform::askToReplace(QWidget* parent, const QString& path)
{
    const auto next = take({CallKind::ReplaceQuestion, parent, path, {}, {}, {}});
    if (!next)
        return false;
    EXPECT_EQ(next->text.toStdString(), path.toStdString()) << "the file asked about";
    return next->replaceAnswer;
}

QString FakePlatform::documentsFolder()
{
    if (!documentsFolder_) {
        ADD_FAILURE() << "documentsFolder asked, but the test set none";
        return {};
    }
    return *documentsFolder_;
}

void FakePlatform::expectChooseFolder(std::optional<QString> answer)
{
    expected_.push_back({CallKind::ChooseFolder, {}, {}, std::move(answer), {}});
}

std::optional<QString> FakePlatform::chooseFolder(QWidget* parent, const QString& caption,
                                                  const QString& start)
{
    FileDialogOptions options;
    options.caption = caption;
    options.folder = start;
    const auto next = take({CallKind::ChooseFolder, parent, caption, options, {}, {}});
    return next ? next->fileAnswer : std::nullopt;
}

void FakePlatform::expectNoticeContaining(const QString& part)
{
    expected_.push_back({CallKind::Notice, part, {}, {}, {}, true});
}

void FakePlatform::showNotice(QWidget* parent, const QString& text)
{
    if (const auto next = take({CallKind::Notice, parent, text, {}, {}, {}})) {
        EXPECT_TRUE(text.contains(next->text))
            << "notice text \"" << text.toStdString() << "\" does not contain \"" << next->text.toStdString()
            << "\"";
    }
}
