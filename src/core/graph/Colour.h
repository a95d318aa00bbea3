#pragma once
// A colour of the graph model: RGB, or unset (no outline / no fill).

namespace tally {

struct Colour {
  unsigned char red = 0;
  unsigned char green = 0;
  unsigned char blue = 0;
  bool set = false;

  static constexpr Colour rgb(unsigned char r, unsigned char g, unsigned char b) {
    return Colour{r, g, b, true};
  }
  static constexpr Colour none() { return Colour{}; }

  bool operator==(const Colour& o) const {
    return set == o.set && (!set || (red == o.red && green == o.green && blue == o.blue));
  }
  bool operator!=(const Colour& o) const { return !(*this == o); }
};

namespace colours {
constexpr Colour black = Colour::rgb(0, 0, 0);
constexpr Colour white = Colour::rgb(255, 255, 255);
constexpr Colour red = Colour::rgb(255, 0, 0);
constexpr Colour green = Colour::rgb(0, 255, 0);
constexpr Colour blue = Colour::rgb(0, 0, 255);
constexpr Colour cyan = Colour::rgb(0, 255, 255);
}  // namespace colours

}  // namespace tally
