#include "SystemServices.h"

#include <cstdio>

namespace platform::system
{
void showMessageBox(const std::string& text, const std::string& caption)
{
    std::fprintf(stderr, "%s%s%s\n", caption.c_str(), caption.empty() ? "" : ": ", text.c_str());
}
} // namespace platform::system
