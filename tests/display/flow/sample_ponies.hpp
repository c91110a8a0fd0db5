// The ponies of the database that trotspeak's runs are tested on: arts and
// quotes in several counts, names of several lengths, quotes with every kind
// of line break, and ponies without arts or quotes.
#pragma once

#include <vector>

#include "tests/support/fixtures.hpp"

namespace trot::test {

inline const std::vector<PonyFixture> kSamplePonies = {
    {"Xena", {"xena_a", "xena_b"}, {"hi from xena", "A\r\n\r\nB\n"}},
    {"Yarrow", {"yarrow_a"}, {}},
    {"Zed", {}, {"zzz\n", "\nA\rb\nc", ""}},
    {"Abcdefghijkl", {"abc"}, {"one"}},
    {"TwentyBytesLongName!", {}, {}},
};

}  // namespace trot::test
