#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace fuzz {
namespace {

const uint8_t* currentData = nullptr;
size_t currentSize = 0;

void save(const char* id) {
  const char* folder = std::getenv("TALLYSCOPE_FUZZ_FINDINGS");
  if (!folder || !currentData) return;
  const std::string path = std::string(folder) + "/" + id;
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(currentData, 1, currentSize, f);
    std::fclose(f);
  }
}

}  // namespace

void setInput(const uint8_t* data, size_t size) {
  currentData = data;
  currentSize = size;
}

void fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "INVARIANT BROKEN: %s\n  %s\n", what, detail.c_str());
  std::abort();
}

void known(const char* id, const std::string& detail) {
  const char* strict = std::getenv("TALLYSCOPE_FUZZ_STRICT");
  if (strict && std::strcmp(strict, "1") == 0) fail(id, detail);
  static std::set<std::string> reported;
  if (!reported.insert(id).second) return;
  std::fprintf(stderr, "KNOWN FINDING (reported once, run goes on): %s\n  %s\n", id,
               detail.c_str());
  save(id);
}

bool hasNonFinite(const std::string& text) {
  for (const char* word : {"inf", "nan", "INF", "NAN"})
    if (text.find(word) != std::string::npos) return true;
  return false;
}

std::string shown(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size() && i < 200; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  if (text.size() > 200) out += "...(" + std::to_string(text.size()) + " bytes)";
  return out;
}

size_t characters(const std::string& text) {
  size_t n = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

tally::Extent measureText(const std::string& text, bool axisLabelFont) {
  const int n = static_cast<int>(characters(text));
  return axisLabelFont ? tally::Extent{9 * n, 17} : tally::Extent{7 * n, 14};
}

}  // namespace fuzz
