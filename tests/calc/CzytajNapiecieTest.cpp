#include "CzytajNapiecie.h"

#include <gtest/gtest.h>

#include <ostream>

#include <limits>
#include <string>

namespace ampelor {
namespace {

struct Odczyt {
    std::string tekst;
    float wartosc;
};

void PrintTo(const Odczyt &p, std::ostream *os)
{
    *os << '"' << p.tekst.substr(0, 24) << '"';
}

class CzytajNapiecieTabela : public testing::TestWithParam<Odczyt> {};

TEST_P(CzytajNapiecieTabela, readsLeadingNumberWithPointOnly)
{
    EXPECT_EQ(CzytajNapiecie(GetParam().tekst), GetParam().wartosc)
        << '"' << GetParam().tekst << '"';
}

constexpr float Nieskonczonosc = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Przypadki, CzytajNapiecieTabela,
    testing::Values(
        Odczyt{"12.5", 12.5f}, Odczyt{"5", 5.f}, Odczyt{"3.3", 3.3f}, Odczyt{"1.26", 1.26f},
        // The number ends at the first character that cannot continue it.
        Odczyt{"5V", 5.f}, Odczyt{"1,5", 1.f}, Odczyt{"1.2.3", 1.2f}, Odczyt{"1 2", 1.f},
        Odczyt{"1e3", 1.f}, Odczyt{"0x10", 0.f}, Odczyt{"5.", 5.f},
        // Sign and leading blanks.
        Odczyt{"-5", -5.f}, Odczyt{"+4", 4.f}, Odczyt{"  7", 7.f}, Odczyt{"\t 2.5", 2.5f},
        Odczyt{".5", 0.5f}, Odczyt{"-.5", -0.5f}, Odczyt{"007", 7.f},
        // No number at all reads as 0.
        Odczyt{"", 0.f}, Odczyt{"   ", 0.f}, Odczyt{"abc", 0.f}, Odczyt{",5", 0.f},
        Odczyt{".", 0.f}, Odczyt{"-", 0.f}, Odczyt{"+-3", 0.f}, Odczyt{"V5", 0.f},
        Odczyt{"\xC5\x82"
               "5",
               0.f}, // a Polish letter first
        // Rounding to single precision, up to and past its range.
        Odczyt{"30.0000001", 30.f}, Odczyt{"30.000001", 30.0000019f}, Odczyt{"1.2499999999", 1.25f},
        Odczyt{"340282350000000000000000000000000000000", std::numeric_limits<float>::max()},
        // Exactly halfway past the largest float rounds to even, which is infinity.
        Odczyt{"340282356779733661637539395458142568448", Nieskonczonosc},
        Odczyt{"340282366920938463463374607431768211456", Nieskonczonosc},
        Odczyt{std::string(400, '9'), Nieskonczonosc},
        Odczyt{"-" + std::string(400, '9'), -Nieskonczonosc},
        Odczyt{"0." + std::string(400, '0') + "1", 0.f},
        Odczyt{std::string(400, '0') + "12", 12.f}));

} // namespace
} // namespace ampelor
