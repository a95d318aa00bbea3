// The report end to end: arbitrary options (words of its vocabulary and any
// text), up to two data files and an analysis description naming them.
//   - the exit status is 0 or 2; 2 prints nothing on standard output and exactly
//     one line on standard error, 0 prints the page;
//   - the page has its header and twelve rows of caption and two texts (seventeen
//     with --more);
//   - every text on the page is finite (no "inf", no "nan");
//   - the frequency table, stem-and-leaf plots and working are finite too, each
//     table line has six fields, each plot line is "STEM |" with single-digit
//     leaves or a key, and every working block starts with a set's name;
//   - running it again gives the same output.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/grid/DataFile.h"
#include "core/grid/SpreadsheetImport.h"
#include "core/stats/Report.h"

namespace {

std::string scratch(const char* name) {
  return "/tmp/tallyscope-fuzz-report-" + std::to_string(getpid()) + "-" + name;
}

void writeFile(const std::string& path, const std::string& bytes) {
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}

std::string pickWord(FuzzedDataProvider& in) {
  static const char* const words[] = {
      "--type", "--classes", "--histogram", "--sample", "--percentile", "--description",
      "--decimals", "auto", "6", "7",
      "--help", "-h", "--frequency-table", "--more", "--stem-and-leaf", "--split-stems",
      "--working", "0", "1", "2", "3", "4", "5", "-1", "50", "100", "101", "2.5",
      "0,1,10", "0,2.5,4", "-1,1,10", "0,0,10", "0,1,0", "0,1,101", "1e308,1e308,100",
      "0,1e-308,100", "0,1,", ",,", "1,2,3,4", "nan", "inf", "--", "-", "", "FILE1", "FILE2",
      "DESCRIPTION", "MISSING", "/"};
  const size_t n = sizeof words / sizeof *words;
  if (in.ConsumeIntegralInRange(0, 7) == 0) return in.ConsumeRandomLengthString(40);
  return words[in.ConsumeIntegralInRange<size_t>(0, n - 1)];
}

size_t lines(const std::string& s) { return static_cast<size_t>(std::count(s.begin(), s.end(), '\n')); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput guard(data, size);
  FuzzedDataProvider in(data, size);
  const std::string file1 = scratch("1.csv"), file2 = scratch("2.csv"), desc = scratch("d.xml");
  std::vector<std::string> args;
  const size_t count = in.ConsumeIntegralInRange<size_t>(0, 8);
  for (size_t i = 0; i < count; ++i) {
    std::string w = pickWord(in);
    if (w == "FILE1") w = file1;
    else if (w == "FILE2") w = file2;
    else if (w == "DESCRIPTION") w = desc;
    else if (w == "MISSING") w = scratch("missing");
    args.push_back(w);
  }
  const std::string names1 = in.ConsumeRandomLengthString(20);
  writeFile(desc, "<d><set1Name>" + names1 + "</set1Name><set1File>" + file1.substr(file1.rfind('/') + 1) +
                      "</set1File><set2File>" + file2.substr(file2.rfind('/') + 1) + "</set2File>" +
                      in.ConsumeRandomLengthString(200) + "</d>");
  writeFile(file1, in.ConsumeRandomLengthString(1 << 16));
  writeFile(file2, in.ConsumeRemainingBytesAsString());

  std::ostringstream out, err;
  const int status = tally::runReport(args, out, err);
  fuzz::require(status == 0 || status == 2, "exit status 0 or 2", std::to_string(status));
  if (status == 2) {
    fuzz::require(out.str().empty(), "an error prints no page");
    fuzz::require(lines(err.str()) == 1 && err.str().back() == '\n', "an error is one line",
                  fuzz::shown(err.str()));
    return 0;
  }
  const std::string page = out.str();
  if (page.compare(0, 6, "Usage:") == 0) return 0;
  auto given = [&](const char* option) {
    return std::find(args.begin(), args.end(), option) != args.end();
  };
  const bool described = given("--description");
  if (given("--frequency-table") || given("--stem-and-leaf") || given("--split-stems") ||
      given("--working")) {
    // A file's header line names its set; any of the three files may be given as one.
    std::vector<std::string> names{"Set 1", "Set 2"};
    for (const std::string* path : {&file1, &file2, &desc}) {
      const std::string header = tally::importDataFile(*path, "f").header;
      if (!header.empty()) names.push_back(tally::setNameFrom(header));
    }
    auto startsWithName = [&](const std::string& line) {
      return std::any_of(names.begin(), names.end(),
                         [&](const std::string& n) { return line.rfind(n, 0) == 0; });
    };
    // Set names of a description or of a file's header line may hold any text; other
    // sets are "Set 1", "Set 2".
    if (!described && names.size() == 2)
      fuzz::expectKnown(!fuzz::hasNonFinite(page), "report-lessons-not-finite", fuzz::shown(page));
    std::istringstream text(page);
    std::string line;
    bool blockStart = true;
    while (std::getline(text, line)) {
      if (line.empty()) {
        blockStart = true;
        continue;
      }
      const size_t tabs = static_cast<size_t>(std::count(line.begin(), line.end(), '\t'));
      if (!described && blockStart) {
        fuzz::require(startsWithName(line), "a block starts with a set's name", fuzz::shown(line));
        blockStart = false;
        if (line.rfind("Set ", 0) != 0) continue;  // a name from a header: any text
      }
      blockStart = false;
      if (!described && tabs == 5 && startsWithName(line)) continue;  // a table line
      const size_t bar = line.find(" |");
      if (!described && bar != std::string::npos && line.rfind("  ", 0) != 0 &&
          line.rfind("Key: ", 0) != 0) {
        // A plot line: single digits separated by single blanks, or a count "(N)".
        const std::string leaves = line.substr(bar + 2);
        bool ok = leaves.empty() || leaves[0] == ' ';
        if (ok && leaves.size() > 1 && leaves[1] != '(')
          for (size_t i = 1; i < leaves.size(); ++i)
            ok = ok && (i % 2 ? std::isdigit(static_cast<unsigned char>(leaves[i])) != 0
                              : leaves[i] == ' ');
        fuzz::require(ok, "a stem line's leaves are single digits", fuzz::shown(line));
      }
    }
    std::ostringstream again, againErr;
    fuzz::require(tally::runReport(args, again, againErr) == status && again.str() == page,
                  "the same run, the same output");
    return 0;
  }
  const size_t rowsWanted = given("--more") ? 18 : 13;
  fuzz::require(lines(page) == rowsWanted && page[0] == '\t', "header and twelve rows",
                fuzz::shown(page));
  std::istringstream rows(page);
  std::string row;
  std::getline(rows, row);  // the header names the sets, which may hold any text
  std::string values;
  while (std::getline(rows, row)) {
    fuzz::require(std::count(row.begin(), row.end(), '\t') == 2, "caption and two texts",
                  fuzz::shown(row));
    values += row.substr(row.find('\t')) + "\n";
  }
  fuzz::expectKnown(!fuzz::hasNonFinite(values), "report-page-not-finite", fuzz::shown(values));
  std::ostringstream out2, err2;
  fuzz::require(tally::runReport(args, out2, err2) == status && out2.str() == page &&
                    err2.str() == err.str(),
                "the same run, the same output");
  return 0;
}
