#include "ORLSharedFonts.h"

#include <array>

namespace
{
constexpr int kSmallestShared = 9;
constexpr int kLargestShared = 12;

ORLFontFactory* installedFactory = nullptr;
std::array<ORLFont*, kLargestShared - kSmallestShared + 1> sharedFonts{};
} // namespace

void ORLInstallFontFactory(ORLFontFactory* factory)
{
    if (factory == installedFactory)
        return;
    for (auto*& font : sharedFonts)
    {
        if (font)
            font->forget();
        font = nullptr;
    }
    installedFactory = factory;
    if (!factory)
        return;
    for (int size = kLargestShared; size >= kSmallestShared; --size)
        sharedFonts[size - kSmallestShared] = factory->createFont("Arial", size);
    // The toolkit made a size 13 description as well and never kept it.
    if (ORLFont* unused = factory->createFont("Arial", 13))
        unused->forget();
}

ORLFont* ORLGetSharedFont(int size)
{
    if (size < kSmallestShared || size > kLargestShared)
        return nullptr;
    return sharedFonts[size - kSmallestShared];
}

ORLFont* ORLCreateFont(const char* name, double size)
{
    return installedFactory ? installedFactory->createFont(name, size) : nullptr;
}
