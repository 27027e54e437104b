// Pictures decoded by the system's imaging component for the screen: at the
// size they are shown, not their own, and away from the window's thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/executor.h"

namespace vantiro {

// A decoded picture, ready for a picture box. Its pixels are the window
// system's business; the program knows its size and how finely it holds it.
class Picture {
 public:
  virtual ~Picture() = default;
  // Its own size, upright, at the screen's resolution.
  virtual Twips Width() const = 0;
  virtual Twips Height() const = 0;
  // The pixels held are its own size divided by this: 1, 2, 4...
  virtual int Divisor() const = 0;
};

class PictureDecoder {
 public:
  virtual ~PictureDecoder() = default;
  // The file extensions of the kinds the system decodes, lower-case with
  // their dot (".png"); read from the system once.
  virtual std::vector<std::string> Extensions() const = 0;
  // Given a picture's own size, the divisor its pixels are decoded at.
  using ChooseDivisor = std::function<int(Twips width, Twips height)>;
  // Decodes the picture in the file; nullptr when it cannot be read or
  // decoded, or once ended, which it asks as it goes. It waits on the disk
  // and the decoder: a job's work, on any thread.
  virtual std::shared_ptr<const Picture> Decode(const std::string& path,
                                                const ChooseDivisor& divisor,
                                                const Lifetime::Flag& ended) const = 0;
};

}  // namespace vantiro
