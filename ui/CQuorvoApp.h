#pragma once

#include "project/Error.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

class CQuorvoDlg;
class Platform;

// The program's start: settles the start-up folder and the working folder (made on the first run, with
// the sample background image in it), then runs the wizard until it is closed.
class CQuorvoApp
{
public:
    // Runs on the wizard before it is shown, so that the program can attach what the wizard itself does
    // not know, such as the preview and publishing actions of Step 5.
    using WizardSetup = std::function<void(CQuorvoDlg&)>;

    // `startProject`, when not empty, is opened as Open Project opens a file, before the wizard shows.
    explicit CQuorvoApp(Platform& platform, WizardSetup setup = {}, QString startProject = {});

    // The exit code of the program: 0 after the wizard closed, 1 when the working folder was refused.
    int run();

    // False after telling the user that the working folder cannot be used.
    bool prepareFolders();

private:
    std::optional<Error> makeMissingLevels(const QString& folder);
    static QString whyNotMade(const QString& folder, const Error& error);
    void copySampleImage(const QString& startFolder, const QString& workFolder);

    Platform& platform_;
    WizardSetup setup_;
    QString startProject_;
    std::string startFolder_;
    std::string workFolder_;
};
