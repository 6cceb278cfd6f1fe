#include <ExactMath.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// Correctly rounded values, worked out to 60 digits elsewhere; several are inputs on which
// one C runtime or another misses the last bit.
TEST(ExactMath, PowAndLog10AreCorrectlyRoundedOnTheEngineFormulas)
{
    EXPECT_EQ(exactmath::pow(1.02, 0.3310265993338794), 1.0065767286952902);
    EXPECT_EQ(exactmath::pow(16.0, 0.10416666666666667), 1.3348398541700344);
    EXPECT_EQ(exactmath::pow(1.84, 0.8904213905334473), 1.7210736448052455);
    EXPECT_EQ(exactmath::pow(1.12246, 0.10957860946655273), 1.012739279392152);
    EXPECT_EQ(exactmath::pow(0.9863564427388287, 11.985968480378599), 0.848184519450309);
    EXPECT_EQ(exactmath::pow(10.0, -0.3), 0.5011872336272722);
    EXPECT_EQ(exactmath::log10(2.7938280562235853), 0.44619967431533974);
    EXPECT_EQ(exactmath::log10(0.6130698543227452), -0.2124900383388562);
    EXPECT_EQ(exactmath::log10(0.01905135841327868), -1.7200740525155005);
    EXPECT_EQ(exactmath::log10(4.0), 0.6020599913279624);
}

TEST(ExactMath, ExactCasesStayExactAndSpecialValuesAreTheRuntimes)
{
    EXPECT_EQ(exactmath::pow(16.0, 0.25), 2.0);
    EXPECT_EQ(exactmath::pow(16.0, 48.0 / 48.0), 16.0);
    EXPECT_EQ(exactmath::pow(10.0, 3.0), 1000.0);
    EXPECT_EQ(exactmath::pow(0.1, 1.0), 0.1);
    EXPECT_EQ(exactmath::pow(2.0, -1074.0), std::pow(2.0, -1074.0));
    EXPECT_EQ(exactmath::log10(1000.0), 3.0);
    EXPECT_EQ(exactmath::log10(1e-3), -3.0);
    EXPECT_EQ(exactmath::log10(1.0), 0.0);
    EXPECT_EQ(exactmath::pow(0.0, 2.0), 0.0);
    EXPECT_EQ(exactmath::pow(5.0, 0.0), 1.0);
    EXPECT_TRUE(std::isinf(exactmath::pow(10.0, 400.0)));
    EXPECT_TRUE(std::isnan(exactmath::pow(std::nan(""), 2.0)));
    EXPECT_TRUE(std::isinf(exactmath::log10(0.0)));
    EXPECT_TRUE(std::isnan(exactmath::log10(-1.0)));
}

TEST(ExactMath, PowStaysWithinOneStepOfTheRuntimeAcrossTheKnobRange)
{
    for (int i = 0; i <= 1000; ++i)
    {
        const double v = i / 1000.0;
        for (const auto& [x, y] : {std::pair{1.02, std::sqrt(v)}, std::pair{1.84, 1.0 - v},
                                   std::pair{1.12246, v}, std::pair{16.0, v * 2.0 - 1.0}})
        {
            const double ours = exactmath::pow(x, y), runtime = std::pow(x, y);
            EXPECT_LE(std::fabs(ours - runtime), std::fabs(runtime) * 2.5e-16) << x << "^" << y;
        }
        const double level = v * v * 4.0 + 1e-6;
        EXPECT_LE(std::fabs(exactmath::log10(level) - std::log10(level)), 1e-15);
    }
}
