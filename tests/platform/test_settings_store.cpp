#include <ScratchStore.h>
#include <SettingsStore.h>

#include <gtest/gtest.h>

using platform::SettingsStore;
using platform::StoredValue;

namespace
{
std::string text(const StoredValue& value)
{
    return {value.data.begin(), value.data.end()};
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
    ASSERT_EQ(again.read("Memo\tA", value), platform::kStoreOk);
    EXPECT_EQ(value.type, platform::StoredType::Binary);
    EXPECT_EQ(value.data, std::vector<uint8_t>(bytes, bytes + sizeof bytes));
    ASSERT_EQ(again.read("CurrDir", value), platform::kStoreOk);
    EXPECT_EQ(value.type, platform::StoredType::String);
    EXPECT_EQ(text(value), folder);
    ASSERT_EQ(again.read("Empty", value), platform::kStoreOk);
    EXPECT_TRUE(value.data.empty());
    EXPECT_EQ(again.read("Missing", value), platform::kStoreNotFound);

    const std::string accented = "C:\\Pr\xc3\xa9r\xc3\xa9glages \xe2\x99\xaa\\";
    EXPECT_EQ(again.write({{"CurrDir", StoredValue::text(accented)},
                           {"CurrBank", StoredValue::text("b.orb")}}),
              platform::kStoreOk);
    ASSERT_EQ(store.read("CurrDir", value), platform::kStoreOk);
    EXPECT_EQ(text(value), accented);
    ASSERT_EQ(store.read("CurrBank", value), platform::kStoreOk);
    EXPECT_EQ(text(value), "b.orb");
    ASSERT_EQ(store.read("Memo\tA", value), platform::kStoreOk) << "kept by later writes";

    SettingsStore nowhere("");
    EXPECT_FALSE(nowhere.exists());
    EXPECT_EQ(nowhere.read("CurrDir", value), platform::kStoreNotFound);
    testing::internal::CaptureStderr();
    EXPECT_EQ(nowhere.write("CurrDir", StoredValue::text("x")), platform::kStoreFailed);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot be written"), std::string::npos);
}
} // namespace
