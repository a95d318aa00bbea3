#pragma once
// Data sets for the core tests, built as the grid reading would build them.
#include <initializer_list>

#include "core/stats/DataSet.h"

// One pair per distinct value, its frequency the number of times it is listed.
inline tally::DataSet setOfValues(std::initializer_list<double> values) {
  tally::DataSet s;
  for (double v : values) {
    bool found = false;
    for (auto& p : s.pairs)
      if (p.value == v) {
        p.frequency += 1;
        found = true;
      }
    if (!found) s.pairs.push_back({v, 1});
  }
  return s;
}
