#pragma once

#include "project/ProjectRecord.h"

#include <string>
#include <vector>

// Finds what in a design will make its generated news box misbehave; one line per problem, each naming
// the field and saying what will happen.
class DesignCheck
{
public:
    // Background images are looked for in imageFolder.
    static std::vector<std::string> problems(const ProjectRecord& record, const std::string& imageFolder);

private:
    static void checkNumbers(const ProjectRecord& record, std::vector<std::string>& found);
    static void checkName(const ProjectRecord& record, std::vector<std::string>& found);
    static void checkMessages(const ProjectRecord& record, std::vector<std::string>& found);
    static void checkLists(const ProjectRecord& record, std::vector<std::string>& found);
    static void checkImage(const ProjectRecord& record, const std::string& imageFolder,
                           std::vector<std::string>& found);
};
