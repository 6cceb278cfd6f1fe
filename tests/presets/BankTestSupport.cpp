#include "BankTestSupport.h"

#include <FileAccess.h>
#include <TempFolder.h>

#include <filesystem>
#include <utility>

namespace banktest
{
std::vector<uint8_t> toBigEndian(const std::vector<uint8_t>& image)
{
    std::vector<uint8_t> out = image;
    auto reverse = [&out](size_t at)
    {
        std::swap(out[at], out[at + 3]);
        std::swap(out[at + 1], out[at + 2]);
    };
    reverse(0);
    for (size_t at = 5; at < 41; at += 4)
        reverse(at);
    size_t at = 41;
    while (at + 12 <= out.size())
    {
        const uint32_t type = readU32(image, at);
        const uint32_t length = readU32(image, at + 4);
        reverse(at);
        reverse(at + 4);
        reverse(at + 8);
        if (type == 1)
        {
            reverse(at + 12);
            reverse(at + 24);
        }
        at += 12 + length;
    }
    return out;
}

ScratchFolder::ScratchFolder() : folder(makeTempFolder("orl-presets-")) {}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::remove_all(platform::pathFromUtf8(folder), ignored);
}
} // namespace banktest
