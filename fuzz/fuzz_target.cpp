// One libFuzzer target: MX_FUZZ_TARGET names the input path (see invariants.h). A
// broken invariant is reported and aborts, so libFuzzer keeps the input as a finding;
// any other exception escaping the run terminates the same way.
#include <cstdio>
#include <cstdlib>

#include "fuzz/invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        mx::fuzz::runTarget(MX_FUZZ_TARGET, data, size);
    } catch (const mx::fuzz::Violation& v) {
        std::fprintf(stderr, "\n*** invariant broken in %s: %s\n", MX_FUZZ_TARGET, v.what());
        std::abort();
    }
    return 0;
}
