#pragma once

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
        ShowVersion,
        RefuseUsage
    };

    explicit WizardCommandLine(const std::vector<std::string>& arguments);

    Action action() const { return action_; }
    // Empty when no project was named.
    const std::string& project() const { return project_; }
    const std::string& problem() const { return problem_; }

    static const char* help();
    static const char* version();

private:
    Action action_ = Action::RunWizard;
    std::string project_;
    std::string problem_;
};
