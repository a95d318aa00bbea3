#pragma once
// The program's icon as PNGs rendered from its SVG at build time, one per size
// (see cmake/Install.cmake); the smallest comes first.
#include <cstddef>
#include <vector>

struct IconPng {
  int size;  // width and height in pixels
  const unsigned char* data;
  std::size_t length;
};

const std::vector<IconPng>& tallyscopeIconPngs();
