#include "MessageBox.h"

#include "SystemServices.h"

#include <atomic>

namespace platform
{
namespace
{
std::atomic<MessageBoxHandler> installed{nullptr};
} // namespace

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    return installed.exchange(handler);
}

void showMessageBox(const std::string& text, const std::string& caption)
{
    const MessageBoxHandler handler = installed.load();
    (handler != nullptr ? handler : system::showMessageBox)(text, caption);
}
} // namespace platform
