#include "MessageBox.h"

#include <atomic>
#include <cstdio>

namespace platform
{
namespace
{
void printToStderr(const std::string& text, const std::string& caption)
{
    std::fprintf(stderr, "%s%s%s\n", caption.c_str(), caption.empty() ? "" : ": ", text.c_str());
}

std::atomic<MessageBoxHandler> installed{nullptr};
} // namespace

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    return installed.exchange(handler);
}

void showMessageBox(const std::string& text, const std::string& caption)
{
    const MessageBoxHandler handler = installed.load();
    (handler != nullptr ? handler : printToStderr)(text, caption);
}
} // namespace platform
