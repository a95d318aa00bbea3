#include "ui/views/LessonPage.h"

#include <wx/clipbrd.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

#include "ui/LateControls.h"

LessonPage::LessonPage(wxNotebook* book, const tally::AnalysisModel& model)
    : wxPanel(book, wxID_ANY), model(model), book(book) {
  book->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &LessonPage::onPageChanged, this);
}

LessonPage::~LessonPage() {
  book->Unbind(wxEVT_NOTEBOOK_PAGE_CHANGED, &LessonPage::onPageChanged, this);
}

bool LessonPage::isOnShow() const { return book->GetCurrentPage() == this; }

void LessonPage::modelChanged() {
  upToDate = false;
  if (isOnShow()) buildNow();
}

void LessonPage::onPageChanged(wxBookCtrlEvent& event) {
  event.Skip();
  if (!upToDate && isOnShow()) buildNow();
}

void LessonPage::needControls() const {
  if (controlsMade) return;
  auto* self = const_cast<LessonPage*>(this);
  self->controlsMade = true;
  self->makeControls();
  self->Layout();
  announceLateControls(self);
}

void LessonPage::buildNow() {
  needControls();
  upToDate = true;
  ++builds;
  build();
}

wxFont lessonTextFont() {
  return wxFont(10, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
}

wxTextCtrl* lessonText(wxWindow* parent) {
  auto* text = new wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                              wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxHSCROLL);
  // Small at the start: the window's zoom scales it with the text.
  text->SetMinSize(wxSize(120, 100));
  text->SetFont(lessonTextFont());
  return text;
}

bool copyToClipboard(const wxString& text) {
  wxClipboardLocker lock;
  if (!lock) return false;
  return wxTheClipboard->SetData(new wxTextDataObject(text));
}
