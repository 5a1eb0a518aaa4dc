#pragma once

#include "project/ProjectRecord.h"

#include <string>

// The one-line host page: the box and the loader that picks the IE or the standards runtime.
class HostPage
{
public:
    static std::string BuildHostPage(const ProjectRecord& record);
    static std::string embedSnippet(const ProjectRecord& record);

private:
    static std::string pageAttributes(const ProjectRecord& record);
    static std::string ieMarkup(const ProjectRecord& record);
    static std::string scrollerBox(const ProjectRecord& record);
    static std::string faderBoxWithImage(const ProjectRecord& record);
    static std::string faderBoxWithoutImage(const ProjectRecord& record);
    static std::string transitionFilter(const ProjectRecord& record);
    static std::string loaderScript(const ProjectRecord& record);
    static std::string imageStyle(const ProjectRecord& record);
    static std::string clipStyle(const ProjectRecord& record);
};
