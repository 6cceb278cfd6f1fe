// One toolkit per test process, started before the first test and shut down after the last.
#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace
{
struct ToolkitEnvironment : ::testing::Environment
{
    void SetUp() override { toolkit = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }
    void TearDown() override { toolkit.reset(); }
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> toolkit;
};

[[maybe_unused]] auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);
} // namespace
