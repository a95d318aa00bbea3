#include "ui/app/HelpGuide.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace {

// A tab's text as the reader sees it: "&&" shows one "&".
wxString shownPageName(const wxString& tab) {
  wxString name = tab;
  name.Replace("&&", "&");
  return name;
}

wxString pageWords(const wxString& name) {
  const wxString lower = name.Lower();
  if (lower == "statistics")
    return _("both sets' statistics side by side, the percentile p of each set, the "
             "population or sample standard deviation (Cycle switches) and the decimals.");
  if (lower == "column graph")
    return _("a column graph (histogram) of each set. Discrete data: one column per value, "
             "as wide as Col Width says; continuous data: the histogram's classes "
             "(Grouping...).");
  if (lower.StartsWith("box"))
    return _("the box-and-whisker plots of both sets on one scale, with their outliers; for "
             "already grouped data the cumulative-percentage curves (ogives) with a "
             "percentile slider.");
  if (lower.Contains("frequency"))
    return _("each set's values or classes with their frequencies, relative and cumulative "
             "frequencies.");
  if (lower.Contains("dot"))
    return _("one dot per observation, stacked above its value.");
  if (lower.Contains("stem"))
    return _("the stem-and-leaf display of each set: the leading digits as stems, the next "
             "digit of every value as a leaf.");
  if (lower.Contains("working"))
    return _("how each statistic of the set on show was worked out, step by step.");
  return wxString();
}

}  // namespace

wxString guideText(const wxArrayString& pageNames) {
  wxString text;
  text << _("Type the data of Set 1 and Set 2 into the table on the left (the radio buttons "
            "choose the set) and choose the data type. Every change recomputes the "
            "statistics and redraws the graphs.")
       << "\n\n"
       << _("THE PAGES") << "\n";
  for (const wxString& tab : pageNames) {
    const wxString name = shownPageName(tab);
    const wxString words = pageWords(name);
    text << "- " << name;
    if (!words.empty()) text << ": " << words;
    text << "\n";
  }
  text << "\n"
       << _("THE STATISTICS") << "\n"
       << _("- n: the number of observations (the sum of the frequencies).") << "\n"
       << _("- Mean: the sum of every value times its frequency, divided by n. Already grouped data "
            "use each class's midpoint.")
       << "\n"
       << _("- Mode: the value (or class) with the highest frequency; two are both shown.")
       << "\n"
       << _("- Minimum, Maximum: the smallest and largest value; Range = Maximum - Minimum.")
       << "\n"
       << _("- Median: the middle value of the ordered data, or the mean of the two middle "
            "values.")
       << "\n"
       << _("- Q1, Q3: the medians of the lower and upper halves of the ordered data; with an "
            "odd count the median belongs to neither half. IQR = Q3 - Q1.")
       << "\n"
       << _("- Std Dev.: the square root of the mean squared distance from the mean; the "
            "population (p) divides by n, the sample (s) by n - 1.")
       << "\n"
       << _("- Percentile p: interpolated between the ranks of the ordered data, at rank "
            "(n - 1) p / 100 + 1.")
       << "\n"
       << _("- Already grouped data: the median, quartiles and percentiles are interpolated "
            "within the class that holds them.")
       << "\n"
       << _("- Outliers: values more than 1.5 IQR below Q1 or above Q3, drawn as dots.")
       << "\n\n"
       << _("THE KEYS") << "\n"
       << _("Tab, Shift+Tab: the next or previous control, in reading order.") << "\n"
       << _("Enter, Tab, Up, Down: move in the table (Enter keeps what was typed).") << "\n"
       << _("Ctrl+Tab, Shift+Ctrl+Tab (or Tab from the last row): leave the table.") << "\n"
       << _("Left, Right on Set 1 / Set 2: switch between the sets.") << "\n"
       << _("Ctrl+PageDown, Ctrl+PageUp: the next or previous page.") << "\n"
       << _("Alt with the underlined letter presses a button: Alt+D Clear Data, Alt+P Print, "
            "Alt+R Preview, Alt+A Auto Data, Alt+L Load Data, Alt+S Save Data, Alt+G Grouping, "
            "Alt+W Col Width (Show values on the box plot), Alt+X Axes, Alt+1 and Alt+2 the "
            "sets, Alt+N and Alt+M the names, Alt+Y and Alt+C Cycle, Alt+O Copy, Alt+K Print "
            "the working, Alt+T Split stems; Alt+F, Alt+E, Alt+V, Alt+H the menus.")
       << "\n"
       << _("Ctrl+C on a graph: copy its picture.") << "\n"
       << _("Ctrl+V, Ctrl+C: paste into and copy from the table.") << "\n"
       << _("Ctrl+Z, Ctrl+Y (Ctrl+Shift+Z): undo and redo.") << "\n"
       << _("Ctrl+O, Ctrl+S, Ctrl+Shift+S: open, save, save the analysis as.") << "\n"
       << _("Ctrl+P: print; Ctrl+Shift+E: export the page as PDF.") << "\n"
       << _("Ctrl+Shift+C: copy both sets' statistics.") << "\n"
       << _("Ctrl+plus, Ctrl+minus, Ctrl+0: larger, smaller and normal texts.") << "\n"
       << _("F1: this guide; Ctrl+Q: quit.") << "\n";
  return text;
}

HelpGuide::HelpGuide(wxWindow* parent, const wxArrayString& pageNames)
    : wxDialog(parent, wxID_ANY, _("Tallyscope Guide"), wxDefaultPosition, wxSize(620, 560),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  body = new wxTextCtrl(this, wxID_ANY, guideText(pageNames), wxDefaultPosition, wxDefaultSize,
                        wxTE_MULTILINE | wxTE_READONLY | wxTE_WORDWRAP);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(body, 1, wxEXPAND | wxALL, 8);
  sizer->Add(CreateButtonSizer(wxOK), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
  SetSizer(sizer);
  SetSize(wxSize(620, 560));
}
