#include "core/lesson/StemAndLeaf.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

#include "core/NumberText.h"

namespace tally {
namespace {

// A value as the decimal digits of its shortest exact text: |v| = 0.d1d2...dk * 10^(top+1),
// so d1 stands at the place 10^top. Truncating at a place is then exact digit work;
// dividing by 0.1 would make 43 come out as 429.99999999999994.
struct Decimal {
  bool negative = false;
  bool zero = true;
  std::string digits;
  int top = 0;
  std::uint64_t count = 0;  // whole observations of this value
  int side = 0;
  int finest() const { return top - static_cast<int>(digits.size()) + 1; }
};

Decimal decimalOf(double v) {
  Decimal d;
  d.negative = std::signbit(v) && v != 0;
  if (v == 0) return d;
  const DecimalDigits shortest = shortestDigits(v);
  d.digits = shortest.digits;
  d.top = shortest.point - 1;
  d.zero = false;
  return d;
}

// The value truncated to the place 10^e, in units of that place. The caller keeps
// top - e below 19 digits.
std::uint64_t truncatedAt(const Decimal& d, int e) {
  if (d.zero) return 0;
  const int places = d.top - e + 1;
  std::uint64_t t = 0;
  for (int i = 0; i < places; ++i)
    t = t * 10 + (i < static_cast<int>(d.digits.size()) ? static_cast<std::uint64_t>(d.digits[i] - '0') : 0);
  return t;
}

// Stems in value order: stem m of a value >= 0 is index m, of a negative value -m-1,
// so "-0" (index -1) comes just below "0".
long long stemIndex(const Decimal& d, std::uint64_t t) {
  const long long m = static_cast<long long>(t / 10);
  return d.negative ? -m - 1 : m;
}

std::string stemLabel(long long index) {
  return index >= 0 ? std::to_string(index) : "-" + std::to_string(-(index + 1));
}

// The truncated value stem * 10 + leaf at unit 10^e as plain decimal text.
std::string decimalText(std::uint64_t whole, int e, bool negative) {
  std::string s = std::to_string(whole);
  if (whole != 0 && e > 0) s += std::string(static_cast<size_t>(e), '0');
  if (e < 0) {
    const size_t decimals = static_cast<size_t>(-e);
    if (s.size() <= decimals) s.insert(0, decimals + 1 - s.size(), '0');
    s.insert(s.size() - decimals, ".");
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  return (negative ? "-" : "") + s;
}

// The key's value: plain decimals while they stay short, else the shortest exact
// text with its exponent (a stem of 1e300 is not three hundred zeros).
std::string keyValueText(std::uint64_t whole, int e, bool negative) {
  const std::string text = decimalText(whole, e, negative);
  if (text.size() <= 20) return text;
  double v = 0;
  if (!parseNumber(text, v)) return text;
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);  // shortest round trip
  return std::string(buffer, r.ptr);
}

// The line of a leaf: with split stems the half of the stem, in value order (for a
// negative stem the leaves 5-9 are the lower values).
long long lineIndex(long long stem, int leaf, bool split) {
  if (!split) return stem;
  const bool high = leaf >= 5;
  return 2 * stem + (stem >= 0 ? (high ? 1 : 0) : (high ? 0 : 1));
}

}  // namespace

StemAndLeafPlot buildStemAndLeaf(const DataSet* first, const DataSet* second, bool split) {
  StemAndLeafPlot plot;
  plot.split = split;
  std::vector<Decimal> values;
  std::uint64_t totals[2] = {0, 0};
  const DataSet* sets[2] = {first, second};
  for (int s = 0; s < 2; ++s) {
    if (!sets[s]) continue;
    for (const auto& p : sets[s]->pairs) {
      const double f = wholeCount(p.frequency);
      if (f <= 0 || !std::isfinite(p.value)) continue;
      Decimal d = decimalOf(p.value);
      d.count = static_cast<std::uint64_t>(f);
      d.side = s;
      totals[s] += d.count;
      values.push_back(d);
    }
  }
  if (values.empty()) return plot;

  int top = INT_MIN, finest = 0;
  for (const Decimal& d : values) {
    if (d.zero) continue;
    top = std::max(top, d.top);
    finest = std::min(finest, d.finest());
  }
  if (top == INT_MIN) top = 0;
  // Below top - 18 a stem would not fit 64 bits; there, with doubles' 17 digits,
  // distinct values always span more than kMaxStems stems anyway.
  int e = std::max(finest, top - 18);
  long long lo = 0, hi = 0;
  for (;; ++e) {
    bool any = false;
    for (const Decimal& d : values) {
      const long long stem = stemIndex(d, truncatedAt(d, e));
      lo = any ? std::min(lo, stem) : stem;
      hi = any ? std::max(hi, stem) : stem;
      any = true;
    }
    // From one place above the largest value every stem is "0" or "-0".
    if (hi - lo + 1 <= kMaxStems || e > top) break;
  }
  plot.leafExponent = e;

  // From the lowest line holding a leaf to the highest: a split stem's empty half
  // at either end is left off.
  long long firstLine = 0, lastLine = 0;
  for (size_t i = 0; i < values.size(); ++i) {
    const std::uint64_t t = truncatedAt(values[i], e);
    const long long line = lineIndex(stemIndex(values[i], t), static_cast<int>(t % 10), split);
    firstLine = i ? std::min(firstLine, line) : line;
    lastLine = i ? std::max(lastLine, line) : line;
  }
  for (long long k = firstLine; k <= lastLine; ++k) {
    StemLine line;
    // Split halves 2m and 2m+1 both belong to stem m (floor division).
    const long long stem = split ? (k >= 0 ? k / 2 : -((-k + 1) / 2)) : k;
    line.stem = stemLabel(stem);
    plot.lines.push_back(line);
  }
  for (const Decimal& d : values) {
    const std::uint64_t t = truncatedAt(d, e);
    const int leaf = static_cast<int>(t % 10);
    const long long line = lineIndex(stemIndex(d, t), leaf, split);
    plot.lines[static_cast<size_t>(line - firstLine)].leaves[d.side][leaf] += d.count;
  }

  // The key from the data: the first leaf of the lowest line, preferring one whose
  // stem and leaf both say something ("4 | 3" rather than "0 | 0"), then one of them.
  bool found = false;
  for (int pass = 0; pass < 3 && !found; ++pass) {
    for (const StemLine& line : plot.lines) {
      for (int s = 0; s < 2 && !found; ++s) {
        for (int leaf = 0; leaf < 10 && !found; ++leaf) {
          if (line.leaves[s][leaf] == 0) continue;
          const bool stemSays = line.stem != "0" && line.stem != "-0";
          if (pass == 0 && !(stemSays && leaf != 0)) continue;
          if (pass == 1 && !(stemSays || leaf != 0)) continue;
          const bool negative = line.stem[0] == '-';
          const std::uint64_t m = std::strtoull(line.stem.c_str() + (negative ? 1 : 0), nullptr, 10);
          plot.keyStem = line.stem;
          plot.keyLeaf = std::to_string(leaf);
          plot.keyValue = keyValueText(m * 10 + static_cast<std::uint64_t>(leaf), e, negative);
          found = true;
        }
      }
      if (found) break;
    }
  }
  return plot;
}

std::string leafText(const StemLine& line, int side, std::uint64_t setTotal,
                     std::uint64_t maxListed) {
  std::uint64_t count = 0;
  for (std::uint64_t c : line.leaves[side]) count += c;
  if (setTotal > maxListed) return count ? "(" + std::to_string(count) + ")" : std::string();
  std::string text;
  for (int leaf = 0; leaf < 10; ++leaf) {
    for (std::uint64_t i = 0; i < line.leaves[side][leaf]; ++i) {
      if (!text.empty()) text += ' ';
      text += static_cast<char>('0' + leaf);
    }
  }
  return text;
}

namespace {

std::uint64_t sideTotal(const StemAndLeafPlot& plot, int side) {
  std::uint64_t n = 0;
  for (const StemLine& line : plot.lines)
    for (std::uint64_t c : line.leaves[side]) n += c;
  return n;
}

std::string keyLine(const StemAndLeafPlot& plot) {
  return "Key: " + plot.keyStem + " | " + plot.keyLeaf + " means " + plot.keyValue + "\n";
}

}  // namespace

std::string stemAndLeafText(const StemAndLeafPlot& plot, int side) {
  if (plot.empty()) return std::string();
  const std::uint64_t total = sideTotal(plot, side);
  std::string text;
  for (const StemLine& line : plot.lines) {
    const std::string leaves = leafText(line, side, total);
    text += line.stem + " |" + (leaves.empty() ? "" : " " + leaves) + "\n";
  }
  return text + keyLine(plot);
}

std::string backToBackText(const StemAndLeafPlot& plot, std::uint64_t maxListed) {
  if (plot.empty()) return std::string();
  const std::uint64_t totals[2] = {sideTotal(plot, 0), sideTotal(plot, 1)};
  std::vector<std::string> left;
  size_t leftWidth = 0, stemWidth = 0;
  for (const StemLine& line : plot.lines) {
    std::string l = leafText(line, 0, totals[0], maxListed);
    std::reverse(l.begin(), l.end());  // ascending outward; "(N)" reads ")N(" reversed
    if (!l.empty() && l.front() == ')') l = leafText(line, 0, totals[0], maxListed);
    leftWidth = std::max(leftWidth, l.size());
    stemWidth = std::max(stemWidth, line.stem.size());
    left.push_back(l);
  }
  std::string text;
  for (size_t k = 0; k < plot.lines.size(); ++k) {
    const StemLine& line = plot.lines[k];
    const std::string right = leafText(line, 1, totals[1], maxListed);
    std::string row = std::string(leftWidth - left[k].size(), ' ') + left[k] + " | " +
                      std::string(stemWidth - line.stem.size(), ' ') + line.stem + " |";
    if (!right.empty()) row += " " + right;
    text += row + "\n";
  }
  return text + keyLine(plot);
}

std::string backToBackText(const StemAndLeafPlot& plot, const std::string& leftName,
                           const std::string& rightName, std::uint64_t maxListed) {
  const std::string body = backToBackText(plot, maxListed);
  if (body.empty()) return body;
  // Every line starts "LEAVES | STEM |", lined up: the first tells the widths.
  const std::string first = body.substr(0, body.find('\n'));
  const size_t leftWidth = first.find(" | ");
  const size_t stemWidth = first.find(" |", leftWidth + 3) - (leftWidth + 3);
  size_t nameWidth = 0;
  for (unsigned char c : leftName)
    if ((c & 0xC0) != 0x80) ++nameWidth;
  const size_t shift = nameWidth > leftWidth ? nameWidth - leftWidth : 0;
  const std::string pad(shift, ' ');
  std::string text = std::string(leftWidth + shift - nameWidth, ' ') + leftName + " | " +
                     std::string(stemWidth, ' ') + " |" +
                     (rightName.empty() ? std::string() : " " + rightName) + "\n";
  size_t from = 0;
  for (size_t end; (end = body.find('\n', from)) != std::string::npos; from = end + 1) {
    const std::string line = body.substr(from, end - from);
    // The key line keeps its place at the left.
    text += (line.rfind("Key: ", 0) == 0 ? std::string() : pad) + line + "\n";
  }
  return text;
}

}  // namespace tally
