#pragma once
// A 400 x 300 graph in a shown frame, and helpers to look at its pictures.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/panel.h>

#include "PixelTools.h"
#include "ui/graph/coordSys.h"

class CoordSysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new wxFrame(nullptr, wxID_ANY, "graph", wxDefaultPosition, wxSize(600, 500));
    auto* panel = new wxPanel(frame);
    graph = new coordSys(panel, wxID_ANY, wxPoint(0, 0), wxSize(400, 300));
    frame->Show();
    wxTheApp->ProcessPendingEvents();
    ASSERT_EQ(graph->GetClientSize(), wxSize(400, 300));
  }
  void TearDown() override {
    delete frame;
  }

  // The whole picture as drawAll makes it, on white.
  wxImage render() {
    return renderOnWhite(400, 300, [this](wxDC& dc) { graph->drawAll(dc); });
  }

  static bool pureGreen(const wxImage& img, int x, int y) {
    return img.GetRed(x, y) < 30 && img.GetGreen(x, y) > 225 && img.GetBlue(x, y) < 30;
  }
  static int darkCount(const wxImage& img, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) n += dark(img, x, y);
    return n;
  }

  wxFrame* frame = nullptr;
  coordSys* graph = nullptr;
};
