// tallyscope-report: prints the Statistics page of one or two data files.
#include <iostream>
#include <string>
#include <vector>

#include "core/stats/Report.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return tally::runReport(args, std::cout, std::cerr);
}
