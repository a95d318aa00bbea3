#include "ui/views/WorkingPrintout.h"

#include <algorithm>
#include <cstddef>

#include <wx/dc.h>

#include "ui/views/LessonPage.h"

WorkingPrintout::WorkingPrintout(const wxString& title, std::vector<wxString> lines)
    : wxPrintout(title), lines(std::move(lines)) {}

double WorkingPrintout::useScreenUnits(wxDC& dc) {
  int screenPpi = 0, printerPpi = 0, unused = 0, pageWidth = 0;
  GetPPIScreen(&screenPpi, &unused);
  GetPPIPrinter(&printerPpi, &unused);
  GetPageSizePixels(&pageWidth, &unused);
  // A preview draws the page into a smaller bitmap than the printer's pixels; a
  // context that knows no size of its own (a PDF surface) is the page itself.
  wxSize device = dc.GetSize();
  if (device.x <= 0 || device.y <= 0) GetPageSizePixels(&device.x, &device.y);
  const double deviceScale = pageWidth > 0 ? static_cast<double>(device.x) / pageWidth : 1;
  const double scale = screenPpi > 0 && printerPpi > 0
                           ? static_cast<double>(printerPpi) / screenPpi * deviceScale
                           : 1;
  dc.SetUserScale(scale, scale);
  dc.SetFont(lessonTextFont());
  dc.SetTextForeground(*wxBLACK);
  return scale;
}

bool WorkingPrintout::layOut() {
  wxDC* dc = GetDC();
  if (!dc) return false;
  const double scale = useScreenUnits(*dc);
  wxSize device = dc->GetSize();
  if (device.x <= 0 || device.y <= 0) GetPageSizePixels(&device.x, &device.y);
  int screenPpi = 0, unused = 0;
  GetPPIScreen(&screenPpi, &unused);
  const int margin = static_cast<int>(marginInches * (screenPpi > 0 ? screenPpi : 96));
  const int width = static_cast<int>(device.x / scale) - 2 * margin;
  const int height = static_cast<int>(device.y / scale) - 2 * margin;
  const wxSize letter = dc->GetTextExtent("M");
  // One line kept free for the page number.
  const size_t perPage = static_cast<size_t>(std::max(1, height / std::max(1, letter.y) - 2));
  const size_t perLine = static_cast<size_t>(std::max(10, width / std::max(1, letter.x)));
  std::vector<wxString> printed;
  for (const wxString& line : lines) {
    // A line wider than the paper goes on, indented, on the lines below it.
    wxString rest = line;
    bool first = true;
    do {
      const size_t room = first ? perLine : perLine - 4;
      printed.push_back((first ? wxString() : wxString("    ")) + rest.Left(room));
      rest = rest.Mid(std::min(room, rest.length()));
      first = false;
    } while (!rest.empty());
  }
  laidOut.clear();
  for (size_t k = 0; k < printed.size(); k += perPage)
    laidOut.emplace_back(printed.begin() + static_cast<std::ptrdiff_t>(k),
                         printed.begin() + static_cast<std::ptrdiff_t>(
                                               std::min(printed.size(), k + perPage)));
  if (laidOut.empty()) laidOut.emplace_back();
  laid = true;
  return true;
}

void WorkingPrintout::OnPreparePrinting() { layOut(); }

bool WorkingPrintout::HasPage(int page) {
  if (!laid) layOut();
  return page >= 1 && page <= static_cast<int>(laidOut.size());
}

void WorkingPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
  if (!laid) layOut();
  *minPage = *pageFrom = 1;
  *maxPage = *pageTo = std::max(1, static_cast<int>(laidOut.size()));
}

bool WorkingPrintout::OnPrintPage(int page) {
  wxDC* dc = GetDC();
  if (!dc) return false;
  if (!laid && !layOut()) return false;
  if (page < 1 || page > static_cast<int>(laidOut.size())) return false;
  useScreenUnits(*dc);
  int screenPpi = 0, unused = 0;
  GetPPIScreen(&screenPpi, &unused);
  const int margin = static_cast<int>(marginInches * (screenPpi > 0 ? screenPpi : 96));
  const int lineHeight = dc->GetTextExtent("M").y;
  int y = margin;
  for (const wxString& line : laidOut[static_cast<size_t>(page - 1)]) {
    dc->DrawText(line, margin, y);
    y += lineHeight;
  }
  const wxString number =
      wxString::Format(_("Page %d of %d"), page, static_cast<int>(laidOut.size()));
  dc->DrawText(number, margin, y + lineHeight);
  dc->SetUserScale(1, 1);
  return true;
}
