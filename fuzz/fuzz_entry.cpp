// The libFuzzer entry point of one target; QUILLMAR_FUZZ_CHECK names the property
// function it drives (see fuzz_checks.h).
#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillmar::fuzz::QUILLMAR_FUZZ_CHECK(data, size);
    return 0;
}
