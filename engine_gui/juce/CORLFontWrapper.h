#pragma once

#include "ORLFont.h"

#include <juce_graphics/juce_graphics.h>

namespace Orlund
{
// A counted font description: face name and size, normal style. "Arial" is drawn with its
// metric twin Liberation Sans where Arial itself is not installed. Main (UI) thread.
class CORLFontWrapper : public ORLCounted<ORLFont>
{
  public:
    CORLFontWrapper(const char* name, double size);

    const char* getName() override { return name.toRawUTF8(); }
    double getSize() override { return size; }
    const juce::Font& getFont() const { return font; }

  private:
    juce::String name;
    double size;
    juce::Font font;
};

// The toolkit's font, or the default 12-point face for a font of another implementation.
juce::Font fontOf(ORLFont* font);

// Installs the toolkit's font factory for the editors (ORLInstallFontFactory) and makes the
// shared fonts, once per toolkit lifetime: the toolkit's shutdown releases them.
// Main (UI) thread, inside an initialised toolkit.
void installToolkitFonts();
} // namespace Orlund
