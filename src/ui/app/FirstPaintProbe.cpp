#include "ui/app/FirstPaintProbe.h"

#include <unistd.h>

#include <cstdlib>

#include <wx/app.h>
#include <wx/event.h>

namespace {

// GTK paints every window of a frame in one pass. The first paint event marks
// the pass; the call queued from it runs once the pass is over and the event loop
// is idle again, so by then the whole window is on the screen.
class FirstPaintFilter : public wxEventFilter {
 public:
  explicit FirstPaintFilter(int fd) : fd(fd) {}

  int FilterEvent(wxEvent& event) override {
    if (!seen && event.GetEventType() == wxEVT_PAINT) {
      seen = true;
      const int out = fd;
      wxTheApp->CallAfter([out] {
        static const char message[] = "painted\n";
        [[maybe_unused]] ssize_t written = write(out, message, sizeof message - 1);
        _exit(0);
      });
    }
    return Event_Skip;
  }

 private:
  int fd;
  bool seen = false;
};

}  // namespace

void installFirstPaintProbe() {
  const char* text = std::getenv("TALLYSCOPE_FIRST_PAINT_FD");
  if (!text || !*text) return;
  char* end = nullptr;
  const long fd = std::strtol(text, &end, 10);
  if (*end != '\0' || fd < 0) return;
  // Lives until the process ends, which the probe itself brings about.
  wxEvtHandler::AddFilter(new FirstPaintFilter(static_cast<int>(fd)));
}
