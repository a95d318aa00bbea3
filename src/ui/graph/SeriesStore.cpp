#include "ui/graph/SeriesStore.h"

#include <algorithm>
#include <cmath>

int SeriesStore::add(const tally::Series& s) {
  series.push_back(s);
  series.back().id = ++seriesCounter;
  return seriesCounter;
}

bool SeriesStore::remove(int id) {
  const int i = find(id);
  if (i < 0) return false;
  series.erase(series.begin() + i);
  removeSeriesPointLabels(id);
  return true;
}

bool SeriesStore::replace(int id, const tally::Series& s) {
  const int i = find(id);
  if (i < 0) return false;
  series.erase(series.begin() + i);
  series.push_back(s);
  series.back().id = id;
  return true;
}

void SeriesStore::clear() {
  series.clear();
  removeAllSeriesPointLabels();
}

int SeriesStore::find(int id) const {
  for (size_t i = 0; i < series.size(); ++i)
    if (series[i].id == id) return static_cast<int>(i);
  return -1;
}

const tally::Series* SeriesStore::get(int id) const {
  const int i = find(id);
  return i < 0 ? nullptr : &series[i];
}

int SeriesStore::addPointLabel(const tally::PointLabel& label) {
  pointLabels.push_back(label);
  tally::PointLabel& l = pointLabels.back();
  if (std::fabs(l.x) < 1e-10) l.x = 0;
  if (std::fabs(l.y) < 1e-10) l.y = 0;
  l.id = ++pointLabelCounter;
  return l.id;
}

bool SeriesStore::removePointLabel(int id) {
  auto it = std::find_if(pointLabels.begin(), pointLabels.end(),
                         [id](const tally::PointLabel& l) { return l.id == id; });
  if (it == pointLabels.end()) return false;
  pointLabels.erase(it);
  return true;
}

int SeriesStore::removeSeriesPointLabels(int seriesId) {
  const size_t before = pointLabels.size();
  pointLabels.erase(std::remove_if(pointLabels.begin(), pointLabels.end(),
                                   [seriesId](const tally::PointLabel& l) { return l.seriesId == seriesId; }),
                    pointLabels.end());
  return static_cast<int>(before - pointLabels.size());
}

int SeriesStore::removeAllSeriesPointLabels() {
  const size_t before = pointLabels.size();
  pointLabels.erase(std::remove_if(pointLabels.begin(), pointLabels.end(),
                                   [](const tally::PointLabel& l) { return l.seriesId >= 0; }),
                    pointLabels.end());
  return static_cast<int>(before - pointLabels.size());
}
