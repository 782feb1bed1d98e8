// Writing pictures as BMP files that the control program reads.
#pragma once

#include <cstdint>
#include <vector>

// Appends a number as a BMP file stores it: little endian, in 2 or 4 bytes.
void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value);
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value);

// Plain pixels: red, green, blue and alpha bytes, rows from the top down.
struct RgbaPixels {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Bytes;
};

// The pixels laid over white: red, green, blue bytes, rows from the top
// down.
std::vector<std::uint8_t> OverWhite(const RgbaPixels& pixels);

// A bottom-up BMP file with the short header: 8 bits per pixel with a
// colour table of the colours used when the pixels, laid over white, hold
// at most 256 colours, else 24 bits per pixel. Empty when the pixels do not
// match their size.
std::vector<std::uint8_t> EncodeBmp(const RgbaPixels& pixels);
