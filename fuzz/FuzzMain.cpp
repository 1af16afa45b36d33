// The libFuzzer entry of one target, chosen by FUZZ_TARGET at build time. At the end the run
// tells how many inputs were refused and how many accepted.
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "FuzzTargets.h"

namespace {

struct Tally {
    long refused = 0;
    long accepted = 0;
    ~Tally() { std::fprintf(stderr, "outcomes: %ld refused, %ld accepted\n", refused, accepted); }
};

Tally tally;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (tavrelion::fuzz::FUZZ_TARGET(bytes) == tavrelion::fuzz::Outcome::Refused) {
        ++tally.refused;
    } else {
        ++tally.accepted;
    }
    return 0;
}
