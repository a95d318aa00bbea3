#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "ui/WxBridge.h"

TEST(Bridge, ColoursRoundTripAndUnsetMeansNull) {
  EXPECT_FALSE(toWx(tally::Colour::none()).IsOk());
  wxColour green = toWx(tally::colours::green);
  EXPECT_EQ(green, wxColour(0, 255, 0));
  EXPECT_EQ(toCore(green), tally::colours::green);
  EXPECT_EQ(toStd(toWx(std::string("\xCF\x80"))), "\xCF\x80");  // pi survives UTF-8
}

TEST(Bridge, MemoryBitmapsCanBeDrawnAndRead) {
  wxBitmap bmp(20, 10, 24);
  wxMemoryDC dc(bmp);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetPen(*wxBLACK_PEN);
  dc.DrawLine(0, 5, 20, 5);
  dc.SelectObject(wxNullBitmap);
  wxImage img = bmp.ConvertToImage();
  EXPECT_EQ(img.GetRed(3, 5), 0);
  EXPECT_EQ(img.GetRed(3, 2), 255);
}
