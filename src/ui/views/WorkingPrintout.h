#pragma once
// The working of a set printed on pages of its own: the lines in a fixed-width font,
// as many to a page as fit inside half-inch margins, a line too long for the paper
// carried on to the next one, "Page k of N" under each page.
#include <wx/print.h>

#include <vector>

class WorkingPrintout : public wxPrintout {
 public:
  WorkingPrintout(const wxString& title, std::vector<wxString> lines);

  void OnPreparePrinting() override;
  bool HasPage(int page) override;
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
  bool OnPrintPage(int page) override;

  // The printed lines of each page, after the last layout.
  const std::vector<std::vector<wxString>>& pages() const { return laidOut; }
  static constexpr double marginInches = 0.5;

 private:
  // Splits the lines into pages for the drawing context; false without one.
  bool layOut();
  // Draws at a scale where a logical unit is a pixel of the screen, so the text
  // prints at the size it has there; returns that scale.
  double useScreenUnits(wxDC& dc);

  std::vector<wxString> lines;
  std::vector<std::vector<wxString>> laidOut;
  bool laid = false;
};
