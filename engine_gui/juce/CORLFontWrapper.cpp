#include "CORLFontWrapper.h"

#include "CORLConversions.h"
#include "ORLSharedFonts.h"

namespace Orlund
{
namespace
{
juce::String installedFace(const juce::String& requested)
{
    static const juce::StringArray installed = juce::Font::findAllTypefaceNames();
    if (installed.contains(requested, true))
        return requested;
    if (requested.equalsIgnoreCase("Arial") && installed.contains("Liberation Sans", true))
        return "Liberation Sans";
    return juce::Font::getDefaultSansSerifFontName();
}

class ToolkitFontFactory : public ORLFontFactory
{
  public:
    ORLFont* createFont(const char* name, double size) override
    {
        return new CORLFontWrapper(name, size);
    }
};

// The installed factory and with it the shared fonts last as long as the toolkit: they are
// released when it shuts down, before its typefaces go.
class ToolkitFonts : public juce::DeletedAtShutdown
{
  public:
    ToolkitFonts() { ORLInstallFontFactory(&factory); }
    ~ToolkitFonts() override
    {
        ORLInstallFontFactory(nullptr);
        instance = nullptr;
    }
    static inline ToolkitFonts* instance = nullptr;

  private:
    ToolkitFontFactory factory;
};
} // namespace

CORLFontWrapper::CORLFontWrapper(const char* n, double s)
    : name(toJuceText(n)), size(s),
      font(installedFace(name), static_cast<float>(s), juce::Font::plain)
{
    // The size is the character height in pixels, as on the original platform, not the
    // toolkit's line height.
    font = font.withPointHeight(static_cast<float>(s));
}

juce::Font fontOf(ORLFont* font)
{
    if (auto* wrapper = dynamic_cast<CORLFontWrapper*>(font))
        return wrapper->getFont();
    return juce::Font(12.0f);
}

void installToolkitFonts()
{
    if (!ToolkitFonts::instance)
        ToolkitFonts::instance = new ToolkitFonts;
}
} // namespace Orlund
