#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#if !defined(_WIN32)
void internWindowManagerAtoms();
#endif

// JUCE's hosting needs its message manager on the main thread, as in a DAW.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
#if !defined(_WIN32)
    // A Windows program never speaks X itself (under Wine, Wine does).
    internWindowManagerAtoms();
#endif
    juce::ScopedJuceInitialiser_GUI toolkit;
    return RUN_ALL_TESTS();
}
