// Pictures decoded by the Windows Imaging Component, every kind it has a
// codec for, at the size they are shown, turned upright as their camera
// meant (Wine's flip-rotator cannot turn a quarter, so the turn is ours);
// metafiles, which it has no codec for, by the system's picture loader
// (OleLoadPicture). Either way the pixels end in a 32-bit DIB that GDI
// blends over the box's back colour.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/picture.h"
#include "win32/handles.h"
#include "win32/units.h"

namespace vantiro::win32 {

// Premultiplied BGRA pixels, top row first, in a DIB section.
class DecodedPicture final : public Picture {
 public:
  // Own size in twips; the pixels are made blank.
  DecodedPicture(Twips width, Twips height, int divisor, SIZE pixels);

  Twips Width() const override { return width_; }
  Twips Height() const override { return height_; }
  int Divisor() const override { return divisor_; }
  SIZE Pixels() const { return pixels_; }
  HBITMAP Handle() const { return bitmap_.get(); }
  // Null when the system had no memory for the pixels.
  void* Bits() const { return bits_; }
  // The whole picture, scaled into the area.
  void Draw(HDC dc, const RECT& area) const;

 private:
  Twips width_, height_;
  int divisor_;
  SIZE pixels_;
  void* bits_ = nullptr;
  UniqueBitmap bitmap_;
};

class WicPictureDecoder final : public PictureDecoder {
 public:
  explicit WicPictureDecoder(Scale scale = ScreenScale()) : scale_(scale) {}

  std::vector<std::string> Extensions() const override;
  std::shared_ptr<const Picture> Decode(const std::string& path, const ChooseDivisor& divisor,
                                        const Lifetime::Flag& ended) const override;

 private:
  Scale scale_;
};

// A bitmap of the program's resources, by name; nullptr without it.
std::shared_ptr<const DecodedPicture> ResourcePicture(const std::string& name, Scale scale);

}  // namespace vantiro::win32
