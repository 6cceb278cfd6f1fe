#include "ValidateEditor.h"

#include "EditorSession.h"
#include "OffscreenView.h"

#include <ParameterTable.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include <xmmintrin.h>

#include <atomic>
#include <cfenv>
#include <clocale>
#include <string>
#include <thread>
#include <vector>

namespace
{
// What a plug-in may leave changed behind a host's back: the rounding and exception flags,
// flush-to-zero and denormals-are-zero, and the C locale.
struct ProcessState
{
    std::string locale;
    int rounding = 0;
    unsigned int mxcsrControl = 0;

    static ProcessState now()
    {
        ProcessState s;
        const char* locale = std::setlocale(LC_ALL, nullptr);
        s.locale = locale != nullptr ? locale : "";
        s.rounding = std::fegetround();
        // Control bits only (masks, rounding, FTZ, DAZ); the sticky status flags may change.
        s.mxcsrControl = _mm_getcsr() & ~0x3Fu;
        return s;
    }
    bool operator==(const ProcessState&) const = default;
};
} // namespace

ValidateVerdict checkEditorWhileRendering(const PluginLibrary& library,
                                          const std::string& pluginPath, int level)
{
    ValidateVerdict verdict;
    const int count = 10 * level;
    const ProcessState before = ProcessState::now();
    std::atomic<bool> audioStateChanged{false};
    std::atomic<uint64_t> blocks{0};
    {
        juce::ScopedJuceInitialiser_GUI toolkit;
        SessionOptions options;
        options.plugin = pluginPath;
        EditorSession session(library, options);
        std::atomic<bool> running{true};
        std::thread audio(
            [&]
            {
                const ProcessState audioBefore = ProcessState::now();
                std::vector<float> in(256, 0.1f), left(256), right(256);
                while (running.load())
                {
                    const float* ins[2] = {in.data(), in.data()};
                    float* outs[2] = {left.data(), right.data()};
                    session.instance().render(ins, outs, 256);
                    blocks.fetch_add(1);
                    std::this_thread::yield();
                }
                if (!(ProcessState::now() == audioBefore))
                    audioStateChanged.store(true);
            });
        const AAX_Point size = session.viewSize();
        for (int i = 0; i < count; ++i)
        {
            OffscreenView view(size);
            session.openView(view.container);
            // Host automation while the editor is open moves its knobs.
            session.instance().automate(getParameterIdentifier(i % 8), (i % 10) / 10.0);
            session.deliver();
            juce::MessageManager::getInstance()->runDispatchLoopUntil(5);
            view.draw();
            session.closeView();
        }
        running.store(false);
        audio.join();
    }
    if (!(ProcessState::now() == before))
        verdict.fail("the main thread's locale or floating-point state changed");
    if (audioStateChanged.load())
        verdict.fail("the audio thread's floating-point state changed");
    verdict.counts = std::to_string(count) + " editor opens and closes (drawn offscreen) while " +
                     std::to_string(blocks.load()) +
                     " blocks rendered on another thread; locale and floating-point state " +
                     (verdict.failures == 0 ? "unchanged" : "changed");
    return verdict;
}
