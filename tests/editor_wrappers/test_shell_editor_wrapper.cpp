// A press in the editor as the host's side hears it: one gesture per press, whatever the
// window repeats, and a window that closes mid-press ends the gesture it opened.
#include "ORLShellEditorWrapper.h"
#include "ScratchStore.h"

#include <ORLHostParameters.h>
#include <ORLShellController.h>

#include <gtest/gtest.h>

#include <string>

namespace
{
struct GestureLog final : ORLHostParameters
{
    void touchParameter(int32_t) override {}
    void setParameterValue(int32_t, double) override {}
    void releaseParameter(int32_t) override {}
    void beginGesture(int32_t slot) override { log += "begin " + std::to_string(slot) + ", "; }
    void endGesture(int32_t slot) override { log += "end " + std::to_string(slot) + ", "; }
    std::string log;
};
} // namespace

TEST(ShellEditorWrapper, a_press_is_one_gesture_and_a_window_closing_mid_press_ends_it)
{
    ScratchStore store;
    ORLShellController master;
    GestureLog host;
    master.setHostParameters(&host);
    auto* wrapper = new Orlund::ORLShellEditorWrapper;
    wrapper->setMasterController(&master);
    ASSERT_TRUE(wrapper->openWindow(nullptr));
    wrapper->beginEdit(2);
    wrapper->beginEdit(2);
    wrapper->endEdit(5);   // never pressed
    wrapper->beginEdit(8); // no public slot
    wrapper->closeWindow();
    EXPECT_EQ(host.log, "begin 2, end 2, ");
    EXPECT_FALSE(master.gestureOpen(2));
    wrapper->release();
}
