#pragma once

#include "generator/GeneratedTexts.h"

#include <QWidget>

class Platform;
class ProjectRecord;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The Step 5 page: runs the generation when the wizard enters it, then shows the snippet to paste into a
// web page, the generated file names and the buttons that publish them.
class uc : public QWidget
{
    Q_OBJECT

public:
    uc(const ProjectRecord& record, Platform& platform, QWidget* parent = nullptr);

    // Writes the files into the working folder, fills both boxes and shows what the design check finds
    // in the design just generated; on an error the user is told, the boxes keep their text and the
    // result is false.
    bool GenerateOutputs();

    void setPreviewButtonCaption(const QString& caption);
    QString snippetText() const;
    // Selects the whole snippet, as the user sees it marked, and gives the selected text.
    QString selectWholeSnippet();

signals:
    void previewRequested();
    void previewInBrowserRequested();
    void copyRequested();
    void copyFilesRequested();
    // A finding of the design check was clicked: the step (0 to 3) where its field is fixed.
    void stepToFixRequested(int step);

private:
    QWidget* previewGroup();
    QWidget* snippetGroup();
    QWidget* filesGroup();
    QWidget* findingsNotice();
    void showFindings();

    const ProjectRecord& record_;
    Platform& platform_;
    GeneratedTexts texts_;
    QPushButton* previewButton_;
    QPlainTextEdit* snippetEdit_;
    QPlainTextEdit* generatedFilesEdit_;
    QFrame* findingsNotice_ = nullptr;
    QLabel* findingsTitle_ = nullptr;
    QListWidget* findingsList_ = nullptr;
};
