#include <ShellOpen.h>

#include <gtest/gtest.h>

namespace
{
TEST(ShellOpen, a_missing_document_is_a_failure_other_than_no_application)
{
    EXPECT_EQ(platform::shellOpen(""), platform::kShellFileNotFound);
    EXPECT_EQ(platform::shellOpen("/no/such/manual.pdf"), platform::kShellFileNotFound);
}
} // namespace
