// A picture surface: a child window of its own class that draws a decoded
// picture over its back colour, at its natural size or stretched, then lets
// the program paint over it.
#pragma once

#include <windows.h>

#include "platform/picture_box.h"
#include "win32/child_control.h"
#include "win32/wic_pictures.h"

namespace vantiro::win32 {

class PictureBoxControl final : public ChildWindow<PictureBox> {
 public:
  static constexpr const wchar_t* kClassName = L"VantiroPicture";

  PictureBoxControl(const ChildParts& parts, Events events);
  ~PictureBoxControl() override;

  void SetPicture(std::shared_ptr<const Picture> picture) override;
  bool LoadResourcePicture(const std::string& name) override;
  // Draws the picture at its natural size with its top left at x, y.
  void RenderAt(HDC dc, int x, int y) const;
  Twips PictureWidth() const override { return picture_ ? picture_->Width() : 0; }
  Twips PictureHeight() const override { return picture_ ? picture_->Height() : 0; }
  void SetStretch(bool stretch) override;
  void SetBackColor(Color color) override;
  void Refresh() override;

  // For the window procedure.
  void Attach(HWND hwnd) { Own(hwnd); }
  void Detach() { Abandon(); }
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Paint();
  void FitToPicture();

  Events events_;
  // Every picture the adapter gives a box is one it decoded.
  std::shared_ptr<const DecodedPicture> picture_;
  bool stretch_ = false;
  bool pressed_ = false;          // a left press on the box that may become a click
  Color backColor_ = 0x8000000F;  // the face of buttons and dialogs
};

}  // namespace vantiro::win32
