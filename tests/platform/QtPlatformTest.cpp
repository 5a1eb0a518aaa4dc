#include "platform/QtPlatform.h"

#include "tests/support/NextModal.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString folderOf(const TemporaryFolder& folder)
{
    return QString::fromStdString(folder.path());
}

} // namespace

TEST(QtPlatform, MessageBoxIsTitledMarquettoWithOnlyOk)
{
    QtPlatform platform;
    QString title, text;
    int buttonCount = 0;
    onNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttonCount = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    platform.showMessage(nullptr, "File Error No:1 !");
    EXPECT_EQ(title, "Marquetto");
    EXPECT_EQ(text, "File Error No:1 !");
    EXPECT_EQ(buttonCount, 1);
}

TEST(QtPlatform, SaveDialogProposesTheNameAndReplacesWithoutAsking)
{
    TemporaryFolder temporary;
    const QString existing = folderOf(temporary) + "/newproject.tkp";
    writeFile(existing, "old");
    QtPlatform platform;
    QStringList filters;
    QString suffix;
    bool confirmsOverwrite = true;
    onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const FileDialogOptions options{"Save Project", "Marquetto Wizard (*.tkp)", "tkp", "newproject.tkp",
                                    false,          folderOf(temporary)};
    const auto chosen = platform.saveFileName(nullptr, options);
    EXPECT_EQ(chosen, existing);
    EXPECT_EQ(filters, QStringList{"Marquetto Wizard (*.tkp)"});
    EXPECT_EQ(suffix, "tkp");
    EXPECT_FALSE(confirmsOverwrite);
}

TEST(QtPlatform, OpenDialogOffersOnlyExistingFilesAndReportsCancel)
{
    TemporaryFolder temporary;
    QtPlatform platform;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        mode = dialog->fileMode();
        dialog->reject();
    });
    const FileDialogOptions options{"Open Project",     "Marquetto Wizard Files (*.tkp)", "tkp", "", true,
                                    folderOf(temporary)};
    EXPECT_EQ(platform.openFileName(nullptr, options), std::nullopt);
    EXPECT_EQ(mode, QFileDialog::ExistingFile);
}

TEST(QtPlatform, ColourChooserStartsAtTheCurrentColour)
{
    QtPlatform platform;
    QColor shown;
    onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    EXPECT_EQ(platform.chooseColor(nullptr, QColor(142, 6, 6)), QColor(10, 20, 30));
    EXPECT_EQ(shown, QColor(142, 6, 6));

    onNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(platform.chooseColor(nullptr, QColor(1, 1, 1)), std::nullopt);
}

TEST(QtPlatform, ClipboardReceivesTheText)
{
    QtPlatform platform;
    platform.copyToClipboard("<iframe src=\"scroller_newstic.html\"></iframe>");
    EXPECT_EQ(QApplication::clipboard()->text(), "<iframe src=\"scroller_newstic.html\"></iframe>");
}

TEST(QtPlatform, FoldersAndCopiesActOnTheFileSystem)
{
    TemporaryFolder temporary;
    const QString root = folderOf(temporary);
    QtPlatform platform;

    EXPECT_TRUE(platform.makeFolder(root + "/mirelight").ok());
    const Expected<void> again = platform.makeFolder(root + "/mirelight");
    ASSERT_FALSE(again.ok());
    EXPECT_EQ(again.error().message(),
              "\"" + root.toStdString() + "/mirelight\": the folder could not be created: File exists.");
    const Expected<void> orphan = platform.makeFolder(root + "/missing/child");
    ASSERT_FALSE(orphan.ok());
    EXPECT_NE(orphan.error().message().find("No such file or directory"), std::string::npos);
    EXPECT_TRUE(platform.isWritableFolder(root + "/mirelight"));
    EXPECT_FALSE(platform.isWritableFolder(root + "/missing"));

    writeFile(root + "/picture.jpg", "new");
    writeFile(root + "/mirelight/picture.jpg", "old");
    EXPECT_TRUE(platform.copyFile(root + "/picture.jpg", root + "/mirelight/picture.jpg").ok());
    QFile copy(root + "/mirelight/picture.jpg");
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), "new");

    const auto failure = platform.copyFile(root + "/absent.jpg", root + "/mirelight/absent.jpg");
    ASSERT_FALSE(failure.ok());
    EXPECT_NE(failure.error().message().find("absent.jpg"), std::string::npos);
}

TEST(QtPlatform, CopyOfACompiledInFileCanBeReplacedLater)
{
    TemporaryFolder temporary;
    const QString target = folderOf(temporary) + "/copy";
    QtPlatform platform;
    writeFile(folderOf(temporary) + "/source", "x");
    QFile::setPermissions(folderOf(temporary) + "/source", QFile::ReadOwner);
    ASSERT_TRUE(platform.copyFile(folderOf(temporary) + "/source", target).ok());
    EXPECT_TRUE(QFile::permissions(target) & QFile::WriteOwner);
}

TEST(QtPlatform, WrittenBytesReplaceTheFileWholeAndAFailureNamesIt)
{
    TemporaryFolder temporary;
    const QString root = folderOf(temporary);
    QtPlatform platform;
    writeFile(root + "/sample.jpg", "an older and longer sample");
    ASSERT_TRUE(platform.writeFile(root + "/sample.jpg", std::string_view("\xFF\xD8\0new", 6)).ok());
    QFile written(root + "/sample.jpg");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("\xFF\xD8\0new", 6));

    const auto refused = platform.writeFile(root + "/missing/sample.jpg", "x");
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().message().find((root + "/missing/sample.jpg").toStdString()), std::string::npos)
        << refused.error().message();
}

TEST(QtPlatform, FoldersComeFromTheEnvironment)
{
    TemporaryFolder temporary;
    const ScopedEnvironment dataHome("XDG_DATA_HOME", temporary.path());
    QtPlatform platform;
    EXPECT_EQ(QDir(platform.dataFolder()), QDir(folderOf(temporary)));
    EXPECT_EQ(QDir(platform.currentFolder()), QDir::current());
}

TEST(QtPlatform, ACopyKeepsLinksAndNeverReplacesAReadOnlyFile)
{
    TemporaryFolder temporary;
    const QString root = folderOf(temporary);
    QtPlatform platform;
    writeFile(root + "/picture.jpg", "new");
    writeFile(root + "/kept.jpg", "kept");
    QFile::setPermissions(root + "/kept.jpg", QFile::ReadOwner);
    const auto refused = platform.copyFile(root + "/picture.jpg", root + "/kept.jpg");
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().message().find((root + "/kept.jpg\": is read-only").toStdString()),
              std::string::npos)
        << refused.error().message();
    QFile kept(root + "/kept.jpg");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "kept");

    writeFile(root + "/target.jpg", "old");
    ASSERT_TRUE(QFile::link("target.jpg", root + "/link.jpg"));
    EXPECT_TRUE(platform.copyFile(root + "/picture.jpg", root + "/link.jpg").ok());
    EXPECT_TRUE(QFileInfo(root + "/link.jpg").isSymLink());
    QFile target(root + "/target.jpg");
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), "new");
}

TEST(QtPlatform, ReplacingAFileIsAskedAboutByNameAndFolderAndCancelIsTheDefault)
{
    QtPlatform platform;
    for (const bool replace : {true, false}) {
        SCOPED_TRACE(replace ? "Replace" : "Cancel");
        QString text;
        bool cancelIsDefault = false;
        onNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->text();
            cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
            for (QAbstractButton* button : box->buttons())
                if (button->text() == (replace ? "Replace" : "Cancel"))
                    button->click();
        });
        EXPECT_EQ(platform.askToReplace(nullptr, "/home/ana/web site/news.tkp"), replace);
        EXPECT_EQ(text, "\"news.tkp\" already exists in \"/home/ana/web site\".\nDo you want to replace it?");
        EXPECT_TRUE(cancelIsDefault);
    }
}

// A notice returns at once and blocks no window; a second one takes the place of the first.
TEST(QtPlatform, ANoticeLeavesEveryWindowUsableAndTheNextOneReplacesIt)
{
    QtPlatform platform;
    QWidget window;
    window.show();
    platform.showNotice(&window, "Copied into \"/srv/www/\":\nscroller_newstic.html");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    platform.showNotice(&window, "Nothing was copied into \"/srv/www/\".");
    QCoreApplication::processEvents();

    QStringList shown;
    for (auto* box : window.findChildren<QMessageBox*>())
        if (box->isVisible()) {
            shown << box->text();
            EXPECT_EQ(box->windowTitle(), "Marquetto");
            EXPECT_FALSE(box->isModal());
        }
    EXPECT_EQ(shown, QStringList{"Nothing was copied into \"/srv/www/\"."});
}

TEST(QtPlatform, TheProjectFolderIsKeptInASettingsFileForTheNextRun)
{
    TemporaryFolder temporary;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folderOf(temporary));
    EXPECT_EQ(QtPlatform().rememberedProjectFolder(), "");
    QtPlatform().rememberProjectFolder(QString::fromUtf8("/home/ana/Entw\xc3\xbc"
                                                         "rfe/"));
    EXPECT_EQ(QtPlatform().rememberedProjectFolder(), QString::fromUtf8("/home/ana/Entw\xc3\xbc"
                                                                        "rfe/"));
    EXPECT_TRUE(QFileInfo::exists(folderOf(temporary) + "/marquetto/marquetto.conf"));
}

namespace {

QStringList warnings;

void captureWarnings(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        warnings << text;
}

} // namespace

TEST(QtPlatform, AProjectFolderThatCannotBeKeptIsReportedOnStandardError)
{
    TemporaryFolder temporary;
    writeFile(folderOf(temporary) + "/config", "a file where the settings folder should be");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folderOf(temporary) + "/config");
    warnings.clear();
    const QtMessageHandler before = qInstallMessageHandler(captureWarnings);
    QtPlatform().rememberProjectFolder("/home/ana/");
    qInstallMessageHandler(before);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(folderOf(temporary) + "/config/marquetto/marquetto.conf"))
        << warnings.first().toStdString();
}

TEST(QtPlatform, DocumentsAreTheDocumentsFolderOrTheHomeFolderWithoutOne)
{
    TemporaryFolder temporary;
    const ScopedEnvironment home("HOME", temporary.path());
    const ScopedEnvironment configHome("XDG_CONFIG_HOME", temporary.path() + "/.config");
    QtPlatform platform;
    EXPECT_EQ(QDir(platform.documentsFolder()), QDir(folderOf(temporary)));
    QDir(folderOf(temporary)).mkdir("Documents");
    EXPECT_EQ(QDir(platform.documentsFolder()), QDir(folderOf(temporary) + "/Documents"));
}

// The title bar shows the caption in bold beside the window's icon and its buttons.
TEST(QtPlatform, AMessageWithAShortTextIsWideEnoughForItsTitle)
{
    QtPlatform platform;
    int width = 0;
    int needed = 0;
    onNextModal([&](QWidget* modal) {
        QFont bold = modal->font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        needed = metrics.horizontalAdvance("Marquetto") + 4 * metrics.height();
        width = modal->width();
        qobject_cast<QDialog*>(modal)->accept();
    });
    platform.showMessage(nullptr, "No:2 !");
    EXPECT_GE(width, needed);
}
