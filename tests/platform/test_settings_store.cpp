#include <ScratchStore.h>
#include <SettingsStore.h>

#include <gtest/gtest.h>

#include <utility>

using platform::SettingsStore;
using platform::StoredValue;

namespace
{
// A stored value's type and bytes, failing the test when it is not found.
std::pair<platform::StoredType, std::string> readBack(SettingsStore& store, const std::string& name)
{
    StoredValue value;
    EXPECT_EQ(store.read(name, value), platform::kStoreOk) << name;
    return {value.type, std::string(value.data.begin(), value.data.end())};
}

TEST(SettingsStore, keeps_typed_values_of_any_bytes_beside_each_other)
{
    ScratchStore scratch;
    SettingsStore store(scratch.storeFile());
    StoredValue value;
    EXPECT_FALSE(store.exists());
    EXPECT_EQ(store.read("MemoA", value), platform::kStoreNotFound);

    const uint8_t bytes[] = {0, '\t', '\n', '%', 0xff, 'a'};
    EXPECT_EQ(store.write("Memo\tA", StoredValue::binary(bytes, sizeof bytes)), platform::kStoreOk);
    // A folder name with what an encoding must escape, written over an older one.
    const std::string folder = "/home/x y/%20%\n%0A%%25\\n\r\x7f/\xc3\xa9t\xc3\xa9\n";
    EXPECT_EQ(store.write("CurrDir", StoredValue::text("/tmp/")), platform::kStoreOk);
    EXPECT_EQ(store.write("CurrDir", StoredValue::text(folder)), platform::kStoreOk);
    EXPECT_EQ(store.write("Empty", StoredValue::text("")), platform::kStoreOk);

    SettingsStore again(scratch.storeFile());
    const std::string memo(reinterpret_cast<const char*>(bytes), sizeof bytes);
    EXPECT_EQ(readBack(again, "Memo\tA"), std::pair(platform::StoredType::Binary, memo));
    EXPECT_EQ(readBack(again, "CurrDir"), std::pair(platform::StoredType::String, folder));
    EXPECT_EQ(readBack(again, "Empty").second, "");
    EXPECT_EQ(again.read("Missing", value), platform::kStoreNotFound);

    const std::string accented = "C:\\Pr\xc3\xa9r\xc3\xa9glages \xe2\x99\xaa\\";
    EXPECT_EQ(again.write({{"CurrDir", StoredValue::text(accented)},
                           {"CurrBank", StoredValue::text("b.orb")}}),
              platform::kStoreOk);
    EXPECT_EQ(readBack(store, "CurrDir").second, accented);
    EXPECT_EQ(readBack(store, "CurrBank").second, "b.orb");
    EXPECT_EQ(readBack(store, "Memo\tA").second, memo) << "kept by later writes";

    SettingsStore nowhere("");
    EXPECT_FALSE(nowhere.exists());
    EXPECT_EQ(nowhere.read("CurrDir", value), platform::kStoreNotFound);
    testing::internal::CaptureStderr();
    EXPECT_EQ(nowhere.write("CurrDir", StoredValue::text("x")), platform::kStoreFailed);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot be written"), std::string::npos);
}
} // namespace
