// The 32 picture file extensions a slide can show, indexed as stored in PictureFormat.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace lrw {

inline constexpr std::array<std::string_view, 32> PictureFormatTable = {
    "bmp", "wmf", "ico", "jpg", "jif", "gif", "dib", "rle", "tga", "pcx", "wpg",
    "art", "cur", "cut", "emf", "gem", "hrz", "iff", "img", "lbm", "mac", "msp",
    "pbm", "pgm", "pic", "png", "pnm", "ppm", "ras", "tif", "avi", "mov"};

// The indices that some code treats specially.
inline constexpr int kFormatWmf = 1;
inline constexpr int kFormatIco = 2;
inline constexpr int kFormatEmf = 14;
inline constexpr int kFormatGem = 15;
inline constexpr int kFormatIff = 17;
inline constexpr int kFormatImg = 18;
inline constexpr int kFormatLbm = 19;
inline constexpr int kFormatMsp = 21;
inline constexpr int kFormatPic = 24;
inline constexpr int kFormatAvi = 30;
inline constexpr int kFormatMov = 31;

static_assert(PictureFormatTable[kFormatEmf] == "emf" && PictureFormatTable[kFormatGem] == "gem" &&
              PictureFormatTable[kFormatIff] == "iff" && PictureFormatTable[kFormatImg] == "img" &&
              PictureFormatTable[kFormatLbm] == "lbm" && PictureFormatTable[kFormatMsp] == "msp" &&
              PictureFormatTable[kFormatPic] == "pic" && PictureFormatTable[kFormatAvi] == "avi");

// The index of a file name's extension (text from the last "." on, compared without
// regard to case), or nothing when it is not a picture of the table.
std::optional<int> PictureFormatOf(std::string_view fileName);

}  // namespace lrw
