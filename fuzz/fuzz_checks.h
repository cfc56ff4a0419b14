#pragma once

#include <cstddef>
#include <cstdint>

// The properties each fuzz target proves, one function per target. A libFuzzer entry
// point calls one of them per input; the stress tests replay the seed corpora and the
// inputs that once failed through the same functions with the ordinary compiler, so a
// fixed fault stays fixed in every build. A broken property aborts with a message.
namespace quillmar::fuzz {

// Any bytes as text: the leading-number value never fails and is always finite.
void checkLeadingNumber(const std::uint8_t* data, std::size_t size);

// Any finite double through formatOspNumber and the five fixed patterns.
void checkNumberFormats(const std::uint8_t* data, std::size_t size);

// Any UTF-16 text and any job values through the reader and both graphics.
void checkNcGraphics(const std::uint8_t* data, std::size_t size);

// Any UTF-16 text and any job values through the cut simulation, with and without
// the job: every figure finite, in bounded time.
void checkCutSimulation(const std::uint8_t* data, std::size_t size);

// Job files, raw or built from short random fields, through the whole program output.
void checkJobOutput(const std::uint8_t* data, std::size_t size);

// Any bytes as a text profile or a DXF drawing: read or refused with a reason, and a
// chain the checks pass is cut with finite passes.
void checkProfileReading(const std::uint8_t* data, std::size_t size);

} // namespace quillmar::fuzz
