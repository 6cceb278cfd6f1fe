#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// JUCE's hosting needs its message manager on the main thread, as in a DAW.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    juce::ScopedJuceInitialiser_GUI toolkit;
    return RUN_ALL_TESTS();
}
