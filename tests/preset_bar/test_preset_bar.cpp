#include "FakeWindow.h"
#include "HintsFlag.h"
#include "ORLOptionMenu.h"
#include "ORLPresetBarEditor.h"
#include "ORLTextEdit.h"
#include "ORLTextLabel.h"
#include "PresetBank.h"
#include "PresetBarBulbButton.h"
#include "PresetBarLabelButton.h"
#include "PresetBarNameControl.h"
#include "ScratchStore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace
{
using Sent = std::vector<std::pair<int32_t, double>>;

// The bar with its owner's three services answered by the test.
struct TestBar : ORLPresetBarEditor
{
    explicit TestBar(FakeWindow& owner) : ORLPresetBarEditor(&owner) {}

    void setHintsEnabled(bool on) override { hints.push_back(on); }
    bool chooseFileToOpen(const char*, const char*, const char* filter, const char* extension,
                          char* outPath) override
    {
        return answer(filter, extension, outPath);
    }
    bool chooseFileToSave(const char*, const char*, const char*, const char* filter,
                          const char* extension, char* outPath) override
    {
        return answer(filter, extension, outPath);
    }
    bool answer(const char* filter, const char* extension, char* outPath)
    {
        chooser = {filter, extension};
        std::snprintf(outPath, kPathCapacity, "%s", chosenPath.c_str());
        return !chosenPath.empty();
    }

    std::vector<bool> hints;
    std::pair<std::string, std::string> chooser; // filter, extension
    std::string chosenPath;
};

FakeMenuView& menuOf(ORLOptionMenu* menu)
{
    return *static_cast<FakeMenuView*>(menu->getEngineView());
}

// A bar opened at the product's size over a fresh bank, in a store of its own.
struct OpenBar
{
    OpenBar() : bar(owner)
    {
        bar.setPresetBank(&bank);
        bar.open(401, 301);
    }
    // The preset transfer the bar sent last: 47, the eight values, 48.
    Sent lastTransfer() const
    {
        return owner.edits.size() >= 10 ? Sent(owner.edits.end() - 10, owner.edits.end()) : Sent{};
    }
    bool shown(const ORLBaseControl* control) { return owner.container(0)->isShown(control); }
    Sent transferOf(int32_t index) const
    {
        Sent expected{{47, 1.0}};
        for (int i = 0; i < 8; ++i)
            expected.emplace_back(i, bank.workingPreset(index).values[i]);
        expected.emplace_back(48, 1.0);
        return expected;
    }

    ScratchStore store;
    FakeWindow owner;
    PresetBank bank{nullptr, false};
    TestBar bar;
};

TEST(PresetBar, opens_with_its_popups_hidden_and_spells_out_its_labels_when_wide)
{
    OpenBar b;
    const ORLPresetBarEditor& bar = b.bar;
    EXPECT_STREQ(bar.getManageButton()->getText(), "MNG");
    EXPECT_STREQ(bar.getCompareButton()->getText(), "CMP");
    EXPECT_FALSE(b.shown(bar.getActionsMenu()) || b.shown(bar.getPresetList()) ||
                 b.shown(bar.getNameEditor()));

    b.bar.resize(447, 301);
    EXPECT_STREQ(bar.getManageButton()->getText(), "MANAGE");
    EXPECT_STREQ(bar.getCompareButton()->getText(), "COMPARE");
    EXPECT_EQ(bar.getBulb()->getRect().right, 444) << "the bulb keeps to the right edge";
}

TEST(PresetBar, list_names_presets_00_to_09_and_the_arrows_stop_at_the_ends)
{
    OpenBar b;
    const auto& list = menuOf(b.bar.getPresetList());
    EXPECT_EQ(list.entries.at(0), "00: Default");
    EXPECT_EQ(list.entries.at(9), "09: Init");

    b.bar.valueChanged(20, 0.0);
    EXPECT_EQ(b.bank.currentIndex(), 0);
    EXPECT_EQ(b.lastTransfer(), b.transferOf(0)) << "a refresh sends the preset even so";
    b.bar.valueChanged(34, 9.0);
    EXPECT_FALSE(b.shown(b.bar.getPresetList()));
    b.bar.valueChanged(20, 1.0);
    EXPECT_EQ(b.bank.currentIndex(), 9);
    b.bar.valueChanged(20, 0.0);
    EXPECT_EQ(b.bank.currentIndex(), 8);
    EXPECT_EQ(b.lastTransfer(), b.transferOf(8));
    const size_t sent = b.owner.edits.size();
    b.bar.valueChanged(20, 0.5);
    EXPECT_EQ(b.owner.edits.size(), sent) << "exactly 0.5 does nothing";

    b.bar.valueChanged(18, 0.0);
    EXPECT_TRUE(b.shown(b.bar.getPresetList()));
    EXPECT_EQ(list.popups, 1);
    EXPECT_EQ(list.current, 8);
}

TEST(PresetBar, edited_marker_follows_decay_and_compare_and_goes_when_the_name_is_confirmed)
{
    OpenBar b;
    const float original = b.bank.workingPreset(0).values[2];
    b.bank.setParameterValue(2, 0.9);
    b.bar.updateParameter(2, 0.9);
    EXPECT_STREQ(b.bar.getNameDisplay()->getName(), "Default  [EDIT]");
    b.bar.valueChanged(18, 0.0);
    EXPECT_EQ(menuOf(b.bar.getPresetList()).entries.at(0), "00: Default  [EDIT]");

    b.bar.valueChanged(41, 1.0);
    EXPECT_STREQ(b.bar.getNameDisplay()->getName(), "Default");
    EXPECT_EQ(b.lastTransfer().at(3).second, original);
    b.bar.valueChanged(41, 1.0);
    EXPECT_STREQ(b.bar.getNameDisplay()->getName(), "Default  [EDIT]");
    EXPECT_EQ(b.lastTransfer().at(3).second, 0.9f);

    b.bar.valueChanged(18, 1.0);
    EXPECT_TRUE(b.shown(b.bar.getNameEditor()));
    EXPECT_EQ(static_cast<FakeTextView*>(b.bar.getNameEditor()->getEngineView())->editsStarted, 1);
    EXPECT_STREQ(b.bar.getNameEditor()->getText(), "Default  [EDIT]");
    b.bar.valueChanged(19, 1.0); // confirmed unchanged
    EXPECT_STREQ(b.bank.presetName(0), "Default");
    EXPECT_FALSE(b.bank.isEdited(0)) << "renaming commits";
    EXPECT_STREQ(b.bar.getNameDisplay()->getName(), "Default");
    EXPECT_FALSE(b.shown(b.bar.getNameEditor()));
}

TEST(PresetBar, recall_sends_a_framed_transfer_even_from_an_empty_slot)
{
    OpenBar b;
    b.owner.edits.clear();
    b.bar.valueChanged(40, 1.0);
    EXPECT_EQ(b.owner.edits, b.transferOf(0));

    b.bar.valueChanged(1, 0.2); // a knob tag: not the bar's
    b.bank.setParameterValue(3, 0.1);
    b.bar.valueChanged(37, 1.0);
    b.bar.valueChanged(20, 1.0);
    b.bar.valueChanged(39, 1.0);
    EXPECT_EQ(b.bank.workingPreset(1).values[3], 0.1f);
    EXPECT_EQ(b.lastTransfer(), b.transferOf(1));
}

TEST(PresetBar, bulb_switches_the_process_wide_hints_flag_only_with_a_bank)
{
    OpenBar b;
    setHintsFlag(1);
    b.bar.valueChanged(45, 0.0);
    EXPECT_EQ(hintsFlag(), 0);
    b.bar.valueChanged(45, 1.0);
    EXPECT_EQ(hintsFlag(), 1);
    EXPECT_EQ(b.bar.hints, (std::vector<bool>{false, true}));

    b.bar.setPresetBank(nullptr);
    b.bar.valueChanged(45, 0.0);
    EXPECT_EQ(hintsFlag(), 1) << "without a bank the flag stays";
    EXPECT_FALSE(b.bar.hints.back());
    const size_t sent = b.owner.edits.size();
    b.bar.valueChanged(20, 1.0);
    b.bar.valueChanged(39, 1.0);
    EXPECT_EQ(b.owner.edits.size(), sent);
    b.bar.updateParameter(46, 0.0);
    EXPECT_STREQ(b.bar.getNameDisplay()->getName(), "Current");
}

TEST(PresetBar, file_commands_go_through_the_choosers_and_reach_the_bank)
{
    OpenBar b;
    const std::string folder = b.store.root() + "/";
    b.bank.renameCurrentPreset("Saved");
    b.bar.chosenPath = folder + "mine";
    b.bar.valueChanged(36, 1.0);
    EXPECT_TRUE(b.shown(b.bar.getActionsMenu()));
    b.bar.valueChanged(42, 2.0);
    EXPECT_FALSE(b.shown(b.bar.getActionsMenu()));
    EXPECT_EQ(menuOf(b.bar.getActionsMenu()).current, 1);
    EXPECT_EQ(b.bar.chooser.first, "ORL Preset");
    EXPECT_TRUE(std::filesystem::exists(folder + "mine.orl"));

    b.bank.renameCurrentPreset("Changed");
    b.bar.chosenPath = folder + "mine.orl";
    b.bar.valueChanged(42, 3.0);
    EXPECT_STREQ(b.bank.presetName(0), "Saved");
    EXPECT_STREQ(b.bar.getNameDisplay()->getName(), "Saved");

    b.bar.chosenPath = folder + "all";
    b.bar.valueChanged(42, 5.0);
    EXPECT_EQ(b.bar.chooser.second, "orb");
    EXPECT_TRUE(std::filesystem::exists(folder + "all.orb"));

    b.bar.chosenPath.clear();
    b.owner.edits.clear();
    b.bar.valueChanged(42, 6.0);
    EXPECT_EQ(b.owner.edits.size(), 10u) << "a closed chooser still refreshes";
    b.bar.valueChanged(42, 4.0);
    EXPECT_STREQ(b.bank.presetName(0), "Default");
}

TEST(PresetBar, nothing_is_built_without_a_window_and_closing_forgets_the_controls)
{
    ScratchStore store;
    FakeWindow owner;
    owner.windowOpen = false;
    TestBar bar(owner);
    bar.open(401, 301);
    EXPECT_FALSE(bar.isBuilt());
    bar.valueChanged(36, 1.0);
    bar.resize(500, 301);

    owner.windowOpen = true;
    bar.open(401, 301);
    EXPECT_TRUE(bar.isBuilt());
    bar.close();
    EXPECT_EQ(bar.getBulb(), nullptr);
    bar.updateParameter(45, 1.0);
    bar.valueChanged(18, 1.0);
}

TEST(PresetBar, names_saved_on_windows_show_as_text_and_keep_their_bytes_unless_retyped)
{
    OpenBar b;
    // "À la claire fontaine!!" as a bank saved on Windows holds it (Windows-1252).
    const std::string windowsName = "\xC0 la claire fontaine!!";
    const std::string shown = "\xC3\x80 la claire fontaine!!";
    b.bank.renameCurrentPreset(windowsName.c_str());
    b.bar.updateParameter(ORLPresetBarEditor::kRefreshTag, 1.0);
    EXPECT_EQ(std::string(b.bar.getNameDisplay()->getName()), shown);
    b.bar.valueChanged(18, 0.0);
    EXPECT_EQ(menuOf(b.bar.getPresetList()).entries[0], "00: " + shown);

    b.bar.valueChanged(18, 1.0);
    EXPECT_EQ(std::string(b.bar.getNameEditor()->getText()), shown);
    b.bar.valueChanged(19, 1.0); // confirmed unchanged
    EXPECT_EQ(std::string(b.bank.presetName(0)), windowsName);

    // A typed name is UTF-8, cut to the field without splitting a character.
    b.bar.valueChanged(18, 1.0);
    b.bar.getNameEditor()->setText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                                   "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
    b.bar.valueChanged(19, 1.0);
    EXPECT_EQ(std::string(b.bank.presetName(0)).size(), 22u);
    EXPECT_EQ(std::string(b.bar.getNameDisplay()->getName()).size(), 22u);
}
} // namespace
