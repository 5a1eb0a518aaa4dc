#include "project/FileNames.h"

std::size_t FileNames::firstUnportable(std::string_view name)
{
    constexpr std::string_view unportable = "/\\:*?\"<>|";
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (unportable.find(name[i]) != std::string_view::npos || c < 0x20 || c == 0x7F)
            return i;
    }
    return std::string_view::npos;
}
