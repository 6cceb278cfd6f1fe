// The window at a host's scale and the user's zoom: drawn for the scale, every pixel of the
// host's size painted, the zoom remembered.
#include "Artwork.h"
#include "ChordwellArtwork.h"
#include "ORLVSTGUIEditorWrapperV4_PresetBar.h"
#include "PresetBank.h"
#include "ScratchStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

using Orlund::ORLVSTGUIEditorWrapperV4_PresetBar;

namespace
{
struct Window
{
    explicit Window(float hostScale = 1.0f)
    {
        wrapper->setPresetBarValue(reinterpret_cast<intptr_t>(static_cast<ORLPresetModel*>(&bank)));
        wrapper->setHostScale(hostScale);
        wrapper->openWindow(nullptr);
    }
    ~Window() { wrapper->release(); }

    PresetBank bank{nullptr, false};
    ORLVSTGUIEditorWrapperV4_PresetBar* wrapper = new ORLVSTGUIEditorWrapperV4_PresetBar;
};

// The energy of a picture's edges along rows: an edge spread over more pixels (blurred) has
// less of it than the same edge drawn sharp.
double edgeEnergy(const juce::Image& image, juce::Rectangle<int> area)
{
    double sum = 0.0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX() + 1; x < area.getRight(); ++x)
        {
            const double step =
                image.getPixelAt(x, y).getBrightness() - image.getPixelAt(x - 1, y).getBrightness();
            sum += step * step;
        }
    return sum;
}

int differingPixels(const juce::Image& a, const juce::Image& b, juce::Rectangle<int> area)
{
    int count = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            count += a.getPixelAt(x, y) != b.getPixelAt(x, y);
    return count;
}
} // namespace

TEST(WindowScale, at_any_scale_the_panel_is_the_artwork_drawn_for_it_and_sharper_than_1x_enlarged)
{
    ScratchStore store;
    const juce::Image one = Window(1.0f).wrapper->snapshot();
    using namespace chordwell::artwork;
    for (const float scale : {1.5f, 2.0f, 3.0f})
    {
        SCOPED_TRACE(scale);
        Window w(scale);
        const juce::Image picture = w.wrapper->snapshot();
        const int width = juce::roundToInt(401 * scale), height = juce::roundToInt(301 * scale);
        ASSERT_EQ(std::pair(picture.getWidth(), picture.getHeight()), std::pair(width, height));

        const juce::Image drawn =
            artwork::drawAtScale(kFrontPanel, artwork::bounds(kFrontPanel), scale);
        // The string bed left of the box and the title band hold no control: the artwork's
        // own pixels.
        const auto title = (juce::Rectangle<float>(80, 20, 240, 45) * scale).toNearestInt();
        for (const auto area :
             {(juce::Rectangle<float>(0, 0, 28, 282) * scale).toNearestInt(), title})
            EXPECT_EQ(differingPixels(picture, drawn, area), 0) << area.toString();

        const juce::Image enlarged =
            one.rescaled(width, height, juce::Graphics::highResamplingQuality);
        EXPECT_GT(edgeEnergy(picture, title), 1.5 * edgeEnergy(enlarged, title))
            << "the window shows detail that the enlarged 1x picture lacks";
    }
}

TEST(WindowScale, a_host_size_other_than_the_wanted_one_is_painted_whole)
{
    ScratchStore store;
    Window w;
    const juce::Image wanted = w.wrapper->snapshot();
    for (const auto& [width, height] : {std::pair{422, 301}, std::pair{380, 280}})
    {
        Steinberg::ViewRect given(0, 0, width, height);
        ASSERT_EQ(w.wrapper->onSize(&given), Steinberg::kResultTrue);
        const juce::Image picture = w.wrapper->snapshot();
        ASSERT_EQ(std::pair(picture.getWidth(), picture.getHeight()), std::pair(width, height));
        int unpainted = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                unpainted += picture.getPixelAt(x, y).getAlpha() != 255;
        EXPECT_EQ(unpainted, 0) << width << " x " << height;
        // Wider: the panel centred on whole pixels; smaller: anchored at the top left.
        const int shift = width > 401 ? (width - 401) / 2 : 0;
        EXPECT_EQ(picture.getPixelAt(shift + 30, 100), wanted.getPixelAt(30, 100));
    }
    Steinberg::ViewRect size;
    w.wrapper->getSize(&size);
    EXPECT_EQ(size.getWidth(), 401) << "the size the window asks for stays its own";
}

TEST(WindowScale, the_users_zoom_multiplies_the_hosts_scale_and_is_remembered)
{
    ScratchStore store;
    {
        Window w;
        EXPECT_FALSE(w.wrapper->setUserZoom(133)) << "only the menu's choices";
        ASSERT_TRUE(w.wrapper->setUserZoom(150));
        EXPECT_EQ(w.wrapper->snapshot().getWidth(), 602) << "the open window follows";
    }
    Window again(2.0f);
    EXPECT_EQ(again.wrapper->getUserZoom(), 150) << "a new window keeps the zoom";
    EXPECT_FLOAT_EQ(again.wrapper->getScale(), 3.0f) << "2 x 150 % is held to 3";
    again.wrapper->setHostScale(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(again.wrapper->getScale(), 1.5f) << "a NaN host scale counts as 1";
    const Steinberg::ViewRect size = again.wrapper->wantedRect();
    EXPECT_EQ(std::pair(size.getWidth(), size.getHeight()), std::pair(602, 452));
}
