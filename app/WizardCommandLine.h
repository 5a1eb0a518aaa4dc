#pragma once

#include "project/Expected.h"

#include <string>
#include <vector>

// What the wizard's command line asks for: its help, its version, or the wizard, with the project to
// open at start when one is named.
class WizardCommandLine
{
public:
    enum class Action
    {
        RunWizard,
        ShowHelp,
        ShowVersion
    };

    // Wrong usage is an error in words for the user.
    static Expected<WizardCommandLine> read(const std::vector<std::string>& arguments);

    Action action() const { return action_; }
    // Empty when no project was named.
    const std::string& project() const { return project_; }

    static const char* help();
    static const char* version();

private:
    WizardCommandLine() = default;

    Action action_ = Action::RunWizard;
    std::string project_;
};
