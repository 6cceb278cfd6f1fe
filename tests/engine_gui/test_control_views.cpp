#include "CORLBaseControlWrapper.h"
#include "ORLCWHandleKnob.h"
#include "ORLOffscreenEditorEngine.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct ClickedEditor : ::testing::Test
{
    Orlund::ORLOffscreenEditorEngine engine;
    std::vector<std::pair<int32_t, double>> edits;
    std::vector<std::pair<int32_t, int32_t>> offers;

    void SetUp() override
    {
        engine.onParameterEdited = [this](int32_t tag, double v) { edits.emplace_back(tag, v); };
        engine.onHostMouseDown = [this](int32_t tag, int32_t b) { offers.emplace_back(tag, b); };
        engine.open();
    }

    // The control view a click at the window point lands on (labels let clicks through).
    Orlund::CORLBaseControlWrapper* viewAt(int x, int y)
    {
        return dynamic_cast<Orlund::CORLBaseControlWrapper*>(
            engine.getFrame()->getComponentAt(x, y));
    }

    Orlund::CORLBaseControlWrapper* knobView(int32_t tag)
    {
        return dynamic_cast<Orlund::CORLBaseControlWrapper*>(
            engine.getEditor().getKnob(tag)->getEngineView());
    }
};
} // namespace

TEST_F(ClickedEditor, presses_turn_the_box_over_and_back_even_on_the_rear_labels)
{
    ASSERT_NE(viewAt(200, 30), nullptr);
    EXPECT_EQ(viewAt(200, 30)->getTag(), 12);
    viewAt(200, 30)->handleMouseDown({200, 30}, kORLLeftButton);
    ASSERT_NE(viewAt(240, 120), nullptr);
    EXPECT_EQ(viewAt(240, 120)->getTag(), 13); // through the version label
    EXPECT_EQ(viewAt(200, 54)->getTag(), 14);
    viewAt(240, 120)->handleMouseDown({240, 120}, kORLLeftButton);
    EXPECT_EQ(viewAt(200, 30)->getTag(), 12);
}

TEST_F(ClickedEditor, knob_drag_edits_the_parameter_and_offers_the_masked_press_to_the_host)
{
    auto* view = knobView(0);
    engine.updateDisplay(0, 0.5);
    EXPECT_TRUE(view->handleMouseDown({300, 220}, kORLLeftButton | 0x1001));
    view->handleMouseMoved({300, 190}, kORLLeftButton);
    view->handleMouseUp({300, 190}, 0);
    EXPECT_EQ(offers, (std::vector<std::pair<int32_t, int32_t>>{{0, kORLLeftButton}}));
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_DOUBLE_EQ(edits[0].second, 0.5);
    EXPECT_NEAR(edits[1].second, 0.6, 1e-6);
    EXPECT_FALSE(view->handleMouseDown({300, 220}, kORLRightButton)) << "left to the host";
}
