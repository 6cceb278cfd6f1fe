#include "ShellOpen.h"

namespace platform
{
bool isWebAddress(const std::string& text)
{
    return text.rfind("https://", 0) == 0 || text.rfind("http://", 0) == 0;
}
} // namespace platform
