#pragma once
// The series and labelled points a graph keeps, each under an id of its own.
#include <vector>

#include "core/graph/Series.h"

class SeriesStore {
 public:
  // Stores a copy under a new id and returns the id.
  int add(const tally::Series& s);
  // Drops the series and its point labels; false for an unknown id.
  bool remove(int id);
  // Puts s under an existing id, after the other series; false for an unknown id.
  bool replace(int id, const tally::Series& s);
  // Drops every series and the point labels that belong to one.
  void clear();
  int count() const { return static_cast<int>(series.size()); }
  // Index of a series in drawing order, or -1.
  int find(int id) const;
  const tally::Series* get(int id) const;
  const std::vector<tally::Series>& all() const { return series; }

  // Stores a copy under a new id (coordinates within 1e-10 of 0 become 0).
  int addPointLabel(const tally::PointLabel& label);
  void clearPointLabels() { pointLabels.clear(); }
  bool removePointLabel(int id);
  int removeSeriesPointLabels(int seriesId);
  int removeAllSeriesPointLabels();
  const std::vector<tally::PointLabel>& getPointLabels() const { return pointLabels; }

 private:
  int seriesCounter = 0;
  std::vector<tally::Series> series;
  int pointLabelCounter = 0;
  std::vector<tally::PointLabel> pointLabels;
};
