// A picture surface: a child window of its own class that draws a picture
// decoded by the system's picture loader (OleLoadPicture), at its natural
// size or stretched, then lets the program paint over it.
#pragma once

#include <windows.h>

#include <olectl.h>

#include "platform/picture_box.h"
#include "win32/child_control.h"

namespace vantiro::win32 {

class PictureBoxControl final : public ChildWindow<PictureBox> {
 public:
  static constexpr const wchar_t* kClassName = L"VantiroPicture";

  PictureBoxControl(const ChildParts& parts, Events events);
  ~PictureBoxControl() override;

  bool LoadPicture(const std::string& path) override;
  bool LoadResourcePicture(const std::string& name) override;
  // Draws the picture at its natural size with its top left at x, y.
  void RenderAt(HDC dc, int x, int y) const;
  Twips PictureWidth() const override { return pictureWidth_; }
  Twips PictureHeight() const override { return pictureHeight_; }
  void SetStretch(bool stretch) override;
  void SetBackColor(Color color) override;
  void Refresh() override;

  // For the window procedure.
  void Attach(HWND hwnd) { Own(hwnd); }
  void Detach() { Abandon(); }
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Paint();
  void Render(HDC dc, const RECT& area) const;
  void TakePicture(ComPtr<IPicture> picture);
  void FitToPicture();

  Events events_;
  ComPtr<IPicture> picture_;
  Twips pictureWidth_ = 0, pictureHeight_ = 0;
  bool stretch_ = false;
  bool pressed_ = false;          // a left press on the box that may become a click
  Color backColor_ = 0x8000000F;  // the face of buttons and dialogs
};

// Decodes a BMP, GIF, JPEG, icon or placeable WMF file; nullptr when the
// file cannot be read or decoded.
ComPtr<IPicture> LoadPictureFile(const std::string& path);

}  // namespace vantiro::win32
