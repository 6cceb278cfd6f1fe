#include "HostFolderTest.h"

#include <PresetBank.h>
#include <StateFile.h>
#include <validate/PresetNameStates.h>

namespace
{
// Names as banks saved on Windows (Windows-1252) and on Linux (UTF-8) hold them, and bytes
// that are neither.
const char* const kNames[] = {"\xC0 la claire fontaine!!",
                              "\xE0 \xE9t\xE9 \xE7"
                              "a \xFF\x80\x9F",
                              "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC", "\xE0\xC0\xE0\xC0\xE0\xC0\xE0",
                              "\x81\x8D\x8F\x90\x9D\xC2\xF4\x90\x80\x80"};

using StoredNames = HostFolderTest<480>;

TEST_F(StoredNames, names_in_any_encoding_open_in_the_window_and_survive_a_state_round_trip)
{
    ASSERT_TRUE(hostExits(0, "render " + path("in.wav") + " " + path("out.wav") +
                                 " --tail 0 --state-out " + path("fresh.state")));

    // The plug-in's own state with the names put in.
    std::string error;
    auto chunks = statefile::decode(bytesOf("fresh.state"), error);
    ASSERT_TRUE(chunks) << error;
    PresetBank bank(nullptr, false);
    const auto offsets = presetNameOffsets();
    for (auto& chunk : *chunks)
        if (chunk.id == statefile::kBankChunk)
            for (int i = 0; i < 5; ++i)
            {
                bank.selectPreset(i);
                bank.renameCurrentPreset(kNames[i]);
                std::copy_n(bank.workingPreset(i).name, PresetRecord::kNameSize,
                            chunk.data.begin() + static_cast<std::ptrdiff_t>(offsets[i]));
            }
    ASSERT_TRUE(writeBinaryFile(path("names.state"), statefile::encode(*chunks), error)) << error;

    // The window shows the current name and lists all ten.
    RunResult r = runHost("snapshot " + path("shot.png") + " --state-in " + path("names.state"));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.find("Sanitizer"), std::string::npos) << r.out;

    // Loaded and saved again, every name keeps its bytes.
    ASSERT_TRUE(hostExits(0, "render " + path("in.wav") + " " + path("out.wav") +
                                 " --tail 0 --state-in " + path("names.state") + " --state-out " +
                                 path("again.state")));
    const std::vector<uint8_t> again = bytesOf("again.state");
    for (int i = 0; i < 5; ++i)
    {
        const auto* field = reinterpret_cast<const uint8_t*>(bank.workingPreset(i).name);
        EXPECT_NE(std::search(again.begin(), again.end(), field, field + PresetRecord::kNameSize),
                  again.end())
            << "name " << i;
    }
}
} // namespace
