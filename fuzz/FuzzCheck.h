#pragma once
// Invariant checks shared by the fuzz harnesses.
//
// fuzzRequire: a broken invariant is a finding; the harness aborts, so libFuzzer
// saves the input as a crash artifact.
//
// fuzzKnown: an invariant whose fault is known and being mended elsewhere. It is
// reported once per process on stderr (with the input saved under
// $TALLYSCOPE_FUZZ_FINDINGS when that folder is set) and the run goes on, so the
// other invariants keep being searched. With TALLYSCOPE_FUZZ_STRICT=1 it aborts
// like fuzzRequire: that is how to check that the fault is gone.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/graph/GraphLayout.h"

namespace fuzz {

// The input being run, for the saved findings. Set by FuzzInput.
void setInput(const uint8_t* data, size_t size);

struct FuzzInput {
  FuzzInput(const uint8_t* data, size_t size) { setInput(data, size); }
  ~FuzzInput() { setInput(nullptr, 0); }
};

[[noreturn]] void fail(const char* what, const std::string& detail);
void known(const char* id, const std::string& detail);

inline void require(bool ok, const char* what, const std::string& detail = std::string()) {
  if (!ok) fail(what, detail);
}
inline void expectKnown(bool ok, const char* id, const std::string& detail = std::string()) {
  if (!ok) known(id, detail);
}

// True when the text reads "inf" or "nan" anywhere, as printf writes them.
bool hasNonFinite(const std::string& text);

// Shown with a finding: printable, and cut after 200 bytes.
std::string shown(const std::string& text);

// Characters of UTF-8 text (continuation bytes belong to the character before).
size_t characters(const std::string& text);

// Made-up text extents for the graph layout: 7 x 14 pixels a character in the
// tick font, 9 x 17 in the axis-label font.
tally::Extent measureText(const std::string& text, bool axisLabelFont);

}  // namespace fuzz
