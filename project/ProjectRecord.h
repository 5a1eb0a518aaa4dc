#pragma once

#include "project/Message.h"
#include "project/RgbColor.h"

#include <string>
#include <vector>

// The one design being edited: every setting of the news box, its messages and the working state.
class ProjectRecord
{
public:
    // Flag values as the project file holds them.
    static constexpr int ticked = 1; // a "Use this :" box, the background image; anything else is unticked
    static constexpr int unticked = 0;
    static constexpr int untitled = 1; // projectUntitled: not yet saved under a name the user chose
    static constexpr int titled = 2;
    static constexpr int readDefaultProject = 1; // useDefaultProject: read the built-in project only
    static constexpr int readProjectPath = 2;
    // How often a box with live messages looks for a new messages file, in seconds.
    static constexpr int fewestLiveSeconds = 10;
    static constexpr int mostLiveSeconds = 86400;
    static constexpr int defaultLiveSeconds = 300;
    // A number of seconds outside the range counts as the default.
    static int heldLiveSeconds(int seconds)
    {
        return seconds >= fewestLiveSeconds && seconds <= mostLiveSeconds ? seconds : defaultLiveSeconds;
    }

    std::string width;
    std::string height;
    std::string topMargin;
    std::string leftMargin;
    std::string bottomMargin;
    std::string rightMargin;
    std::string paragraphSpace;
    std::string scrollerName;

    int textFontIndex = 0;
    int textUseCustomFont = 0;
    std::string textCustomFont;
    int titleFontIndex = 0;
    int titleUseCustomFont = 0;
    std::string titleCustomFont;
    std::string textFontSize;
    std::string titleFontSize;
    std::string textLineHeight;
    std::string titleLineHeight;
    int textStyle = 0;
    int titleStyle = 0;
    int textDecoration = 0;
    int textHoverDecoration = 0;
    int titleDecoration = 0;
    int titleHoverDecoration = 0;
    int alignment = 0;
    int spareAlignment = 0;

    RgbColor bgColor;
    RgbColor textColor;
    RgbColor textHoverColor;
    RgbColor titleColor;
    RgbColor titleHoverColor;
    RgbColor titleBgColor;
    RgbColor borderColor;

    std::string borderWidth;
    int borderStyle = 0;
    int bgImageOn = 0;
    std::string bgImageName;
    std::string bgImageX;
    std::string bgImageY;

    int effectStyle = 0;
    int effectType = 0;
    int transitionSpeed = 0;
    int scrollMode = 0;
    std::string scrollDelay;
    std::string pause;

    // Options added after the fixed settings; a project file holds them only when they are on.
    int accessibleBox = unticked;
    int rightToLeft = unticked;
    int lightMotion = unticked;
    int fitPageWidth = unticked;
    int liveMessages = unticked;
    int liveSeconds = defaultLiveSeconds;

    std::string projectPath;
    int projectUntitled = untitled;
    int useDefaultProject = readDefaultProject;
    std::string workFolder;
    std::string startFolder;
    std::string textFontFace;
    std::string titleFontFace;
    int selectedMessage = 0;
    int currentStep = 0;

    int messageCount() const { return static_cast<int>(messageTexts_.size()); }
    const std::vector<std::string>& messageTitles() const { return messageTitles_; }
    const std::vector<std::string>& messageTexts() const { return messageTexts_; }
    const std::vector<std::string>& messageLinks() const { return messageLinks_; }
    const std::vector<std::string>& messageTargets() const { return messageTargets_; }
    Message message(int index) const;

    // Every change below acts on all four lists at the same position, so they always stay of equal length.
    void appendMessage(Message message);
    bool replaceMessage(int index, Message message);
    bool removeMessage(int index);
    bool moveMessageUp(int index);
    bool moveMessageDown(int index);
    void clearMessages();
    void reserveMessages(int count);
    // Exchanges the whole message list with another record's, without copying a message.
    void swapMessages(ProjectRecord& other);

private:
    bool isMessageIndex(int index) const { return index >= 0 && index < messageCount(); }
    Message takeMessage(int index);
    void insertMessage(int index, Message message);

    std::vector<std::string> messageTitles_;
    std::vector<std::string> messageTexts_;
    std::vector<std::string> messageLinks_;
    std::vector<std::string> messageTargets_;
};
