#pragma once
// What a graph's properties window needs from its graph: the window to float
// over, the layout it fills from and writes into, a way to show what it wrote,
// and word when the properties window goes. The properties window knows its graph
// only through this.
class coordSysProperties;
class wxWindow;
namespace tally {
class GraphLayout;
}

class GraphPropertiesHost {
 public:
  virtual wxWindow* propertiesParent() = 0;
  virtual tally::GraphLayout& propertiesLayout() = 0;
  // The properties window wrote the layout: recompute the ranges, tell the
  // graph's listeners, repaint.
  virtual void propertiesApplied() = 0;
  // Called by a properties window that is being destroyed.
  virtual void forgetPropertiesWindow(const coordSysProperties* window) = 0;

 protected:
  ~GraphPropertiesHost() = default;
};
