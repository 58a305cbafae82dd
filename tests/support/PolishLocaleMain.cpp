// Test entry point that adopts the locale of the environment, as a desktop program does, so
// that the tests prove the results do not depend on it (ctest runs them under pl_PL.UTF-8).

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <stdexcept>

namespace {

bool srodowiskoChcePolskiego()
{
    const char *lcAll = std::getenv("LC_ALL");
    return lcAll != nullptr && std::strncmp(lcAll, "pl_PL", 5) == 0;
}

// Guards the guard: a machine without the Polish locale would otherwise run every test in the
// C locale and prove nothing.
TEST(Srodowisko, polishLocaleIsActiveWhenRequested)
{
    if (!srodowiskoChcePolskiego())
        GTEST_SKIP() << "LC_ALL does not ask for pl_PL";
    const char *nazwa = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(nazwa, nullptr);
    EXPECT_STRNE(nazwa, "C") << "pl_PL.UTF-8 is not installed (locale-gen)";
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

} // namespace

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
    try {
        std::locale::global(std::locale(""));
    } catch (const std::runtime_error &) {
        // An unknown locale name leaves the C++ global locale as it was; the test above reports it.
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
