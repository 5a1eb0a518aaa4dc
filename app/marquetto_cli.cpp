#include "app/CommandLineTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    CommandLineTool tool(std::cout, std::cerr);
    return tool.run(std::vector<std::string>(argv + 1, argv + argc));
}
