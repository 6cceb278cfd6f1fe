#include "DesktopScale.h"

#include <cstdlib>
#include <sstream>

namespace platform
{
float xftScale(const std::string& resources)
{
    std::istringstream lines(resources);
    std::string line;
    float scale = 0.0f;
    while (std::getline(lines, line))
    {
        const auto colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::string name = line.substr(0, colon);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
            name.pop_back();
        if (name != "Xft.dpi" && name != "*Xft.dpi")
            continue;
        const char* value = line.c_str() + colon + 1;
        char* end = nullptr;
        const double dpi = std::strtod(value, &end);
        // The last setting of the name wins, as in the X resource manager.
        scale = end != value && dpi >= 24.0 && dpi <= 960.0 ? static_cast<float>(dpi / 96.0) : 0.0f;
    }
    return scale;
}
} // namespace platform
