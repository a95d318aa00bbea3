#pragma once
// The whole analysis on one printed page: the set names, both column graphs, the
// box plot (or, for already grouped data, the percentile graph) and the table of
// statistics: the texts from the analysis model's last refresh, the graphs drawn
// by their views, each laid out for its box on the paper with the page's fonts.
#include <wx/print.h>

#include "core/print/PrintPage.h"

class BufferedGraphView;
class MainFrame;

class AnalysisPrintout : public wxPrintout {
 public:
  explicit AnalysisPrintout(MainFrame* frame, const wxString& title = wxString());
  ~AnalysisPrintout() override;

  void OnPreparePrinting() override;
  bool HasPage(int page) override;
  // One page is all there is: a wider range would have a printer feed blank pages.
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
  // False only without a drawing context; a page with no room draws nothing.
  bool OnPrintPage(int page) override;

  // Where the last page put everything.
  const tally::PageLayout& lastLayout() const { return layout; }
  // Kept clear on every side, since the toolkit does not tell a printer's own margins.
  static constexpr double marginInches = 0.25;

  // The graph printed in box i: Set 1's and Set 2's column graphs, then the box
  // plot or, for already grouped data, the ogive.
  BufferedGraphView* printedGraph(int i) const;

 private:
  void drawTable(wxDC& dc);

  MainFrame* frame;
  tally::PageLayout layout;
};

// The print preview whose Print button runs the main window's print command, so
// the choices made there are kept as after any other print.
class AnalysisPreview : public wxPrintPreview {
 public:
  AnalysisPreview(MainFrame* frame, wxPrintDialogData* data);
  bool Print(bool interactive) override;

 private:
  MainFrame* frame;
};
