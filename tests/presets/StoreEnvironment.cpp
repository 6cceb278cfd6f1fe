#include <ScratchStore.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
// Every bank writes to the settings store when it is destroyed: keep the whole run away from
// the user's own store.
class StoreEnvironment : public ::testing::Environment
{
  public:
    void SetUp() override { store = std::make_unique<ScratchStore>(); }
    void TearDown() override { store.reset(); }

  private:
    std::unique_ptr<ScratchStore> store;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new StoreEnvironment);
} // namespace
