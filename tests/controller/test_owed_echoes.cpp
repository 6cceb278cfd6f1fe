// The echoes a host that reports nothing back would owe the master controller: delivered after
// the change, never inside a transfer that is still being sent, and never sent to the host again.
#include <ORLEditorDisplay.h>
#include <ORLHostParameters.h>
#include <ORLShellController.h>
#include <OwedEchoes.h>
#include <PresetBank.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{
// A host side as a shell for such a host writes it: every change sent is logged and owed back.
struct QuietHost final : ORLHostParameters
{
    OwedEchoes echoes;
    std::vector<std::string> sent;
    void log(const char* what, int32_t slot)
    {
        if (!echoes.isResend(slot))
            sent.push_back(what + std::to_string(slot));
    }
    void touchParameter(int32_t slot) override { log("touch ", slot); }
    void releaseParameter(int32_t slot) override { log("release ", slot); }
    void setParameterValue(int32_t slot, double value) override
    {
        log("set ", slot);
        if (!echoes.isResend(slot))
            echoes.owe(slot, value);
    }
};

struct Shown final : ORLEditorDisplay
{
    std::vector<std::pair<int32_t, double>> values;
    void updateDisplay(int32_t slot, double value) override { values.emplace_back(slot, value); }
};

struct Rig
{
    ORLShellController master;
    QuietHost host;
    Shown editor, delivered;
    Rig()
    {
        master.setHostParameters(&host);
        master.setEditor(&editor);
    }
    void deliver()
    {
        host.echoes.deliver(master,
                            [this](int32_t s, double v) {
                                delivered.values.push_back({s, v});
                            });
    }
};
} // namespace

TEST(OwedEchoes, a_delivered_echo_edits_the_preset_once_and_its_resend_stays_with_us)
{
    Rig rig;
    rig.master.editorControlChanged(2, 0.7);
    EXPECT_EQ(rig.host.sent, (std::vector<std::string>{"touch 2", "set 2", "release 2"}));
    EXPECT_FALSE(rig.host.echoes.empty());
    rig.deliver();
    EXPECT_EQ(rig.host.sent.size(), 3u) << "the echo's re-send reaches neither host nor queue";
    EXPECT_TRUE(rig.host.echoes.empty());
    EXPECT_EQ(rig.delivered.values, (std::vector<std::pair<int32_t, double>>{{2, 0.7}}));
    PresetBank& bank = rig.master.presetBank();
    EXPECT_TRUE(bank.isEdited(bank.currentIndex()));
    EXPECT_EQ(bank.workingPreset(bank.currentIndex()).values[2], 0.7f);
}

TEST(OwedEchoes, a_transfers_echoes_wait_for_its_end_marker_and_come_back_framed)
{
    Rig rig;
    rig.master.editorControlChanged(47, 1.0);
    for (int32_t slot = 0; slot < 8; ++slot)
        rig.master.editorControlChanged(slot, 0.125 * slot);
    rig.deliver();
    EXPECT_TRUE(rig.delivered.values.empty()) << "still being sent";
    rig.master.editorControlChanged(48, 1.0);
    rig.editor.values.clear();
    rig.deliver();
    ASSERT_EQ(rig.delivered.values.size(), 8u);
    EXPECT_EQ(rig.delivered.values[5], std::make_pair(5, 0.625));
    EXPECT_EQ(rig.editor.values.front().first, 47);
    EXPECT_EQ(rig.editor.values.back().first, 48);
    EXPECT_EQ(rig.host.sent.size(), 24u) << "touch, set and release once per value";
    PresetBank& bank = rig.master.presetBank();
    EXPECT_FALSE(bank.isEdited(bank.currentIndex())) << "a transfer edits nothing";
}
