#include "win32/picture_box_control.h"

#include <utility>

#include "win32/window_binding.h"

namespace vantiro::win32 {

PictureBoxControl::PictureBoxControl(const ChildParts& parts, Events events)
    : ChildWindow(parts.scale), events_(std::move(events)) {
  CreateWindowExW(0, BoundWindowClass<PictureBoxControl>(), L"", WS_CHILD | WS_TABSTOP, 0, 0, 0, 0,
                  parts.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(parts.id)),
                  GetModuleHandleW(nullptr), this);
}

PictureBoxControl::~PictureBoxControl() {
  events_ = {};
  if (hwnd_) DestroyWindow(hwnd_.get());
}

void PictureBoxControl::SetPicture(std::shared_ptr<const Picture> picture) {
  picture_ = std::static_pointer_cast<const DecodedPicture>(std::move(picture));
  FitToPicture();
  Refresh();
}

// A bitmap resource of the program.
bool PictureBoxControl::LoadResourcePicture(const std::string& name) {
  SetPicture(ResourcePicture(name, scale_));
  return picture_ != nullptr;
}

void PictureBoxControl::RenderAt(HDC dc, int x, int y) const {
  if (picture_)
    picture_->Draw(dc, {x, y, x + scale_.XToPixels(picture_->Width()),
                        y + scale_.YToPixels(picture_->Height())});
}

void PictureBoxControl::SetStretch(bool stretch) {
  stretch_ = stretch;
  FitToPicture();
  Refresh();
}

void PictureBoxControl::FitToPicture() {
  if (!stretch_ && picture_) Move(Left(), Top(), picture_->Width(), picture_->Height());
}

void PictureBoxControl::SetBackColor(Color color) {
  backColor_ = color;
  Refresh();
}

void PictureBoxControl::Refresh() {
  if (hwnd_) InvalidateRect(hwnd_.get(), nullptr, FALSE);
}

void PictureBoxControl::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd_.get(), &paint);
  RECT client{};
  GetClientRect(hwnd_.get(), &client);
  const UniqueBrush back(CreateSolidBrush(ToColorRef(backColor_)));
  FillRect(dc, &client, back.get());
  // Stretched, the picture fills the box; else it keeps its natural size.
  if (stretch_ && picture_) {
    picture_->Draw(dc, client);
  } else {
    RenderAt(dc, 0, 0);
  }
  if (events_.paint) {
    DcCanvas canvas(dc, scale_);
    events_.paint(canvas);
  }
  EndPaint(hwnd_.get(), &paint);
}

LRESULT PictureBoxControl::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) pressed_ = message == WM_LBUTTONDOWN;
  LRESULT result = 0;
  if (HandleInput(hwnd, message, wParam, lParam, scale_, events_, result)) return result;
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills the whole box
    case WM_LBUTTONUP:
      if (std::exchange(pressed_, false) && events_.click) events_.click();
      return 0;
    case WM_MOUSEMOVE:
      if (events_.mouseMove)
        events_.mouseMove(MouseAt(wParam & MK_LBUTTON ? kLeftButton : 0, wParam, lParam, scale_));
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = false;  // the window is being dragged away, say
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A canvas draws only the program's own picture boxes: defined here, where
// they are known.
void DcCanvas::DrawPicture(const PictureBox& source, Twips left, Twips top) {
  static_cast<const PictureBoxControl&>(source).RenderAt(dc_, scale_.XToPixels(left),
                                                         scale_.YToPixels(top));
}

}  // namespace vantiro::win32
