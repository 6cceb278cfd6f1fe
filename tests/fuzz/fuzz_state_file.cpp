#include <StateFile.h>

#include <cstdlib>

// A state file from disk, as a plug-in shell reads it: never a read outside the bytes, and
// whatever is accepted encodes back to the same bytes (old headerless files aside).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string error;
    const std::span<const uint8_t> bytes(data, size);
    statefile::read(bytes, error);
    const auto chunks = statefile::decode(bytes, error);
    if (chunks && size >= 4 && data[0] == 'O' && data[1] == 'C' && data[2] == 'w' && data[3] == 's')
    {
        const auto again = statefile::encode(*chunks);
        if (again.size() != size || !std::equal(again.begin(), again.end(), data))
            std::abort();
    }
    return 0;
}
