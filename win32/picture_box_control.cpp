#include "win32/picture_box_control.h"

#include <utility>

#include "win32/picture_check.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"
#include "win32/window_binding.h"

namespace vantiro::win32 {
namespace {

// Larger files are not pictures worth decoding here.
constexpr DWORD kMaxPictureBytes = 256u << 20;

// 2540 HIMETRIC units (0.01 mm) an inch, 1440 twips.
Twips HimetricToTwips(OLE_XSIZE_HIMETRIC size) { return MulDiv(size, 1440, 2540); }

}  // namespace

ComPtr<IPicture> LoadPictureFile(const std::string& path) {
  const UniqueFile file(CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return nullptr;
  const DWORD size = GetFileSize(file.get(), nullptr);
  if (size == INVALID_FILE_SIZE || size == 0 || size > kMaxPictureBytes) return nullptr;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory == nullptr) return nullptr;
  DWORD read = 0;
  void* bytes = GlobalLock(memory);
  const bool complete = ReadFile(file.get(), bytes, size, &read, nullptr) && read == size &&
                        WorthDecoding({static_cast<const char*>(bytes), size});
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (!complete || FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  const ComPtr<IStream> owned(stream);  // frees the memory with it
  IPicture* picture = nullptr;
  static const auto load =
      SystemFunction<decltype(OleLoadPicture)>(L"oleaut32.dll", "OleLoadPicture");
  if (!load || FAILED(load(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                           reinterpret_cast<void**>(&picture)))) {
    return nullptr;
  }
  return ComPtr<IPicture>(picture);
}

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

bool PictureBoxControl::LoadPicture(const std::string& path) {
  TakePicture(LoadPictureFile(path));
  return picture_ != nullptr;
}

// A bitmap resource of the program, which the picture then owns.
bool PictureBoxControl::LoadResourcePicture(const std::string& name) {
  PICTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.picType = PICTYPE_BITMAP;
  description.bmp.hbitmap = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), Wide(name).c_str(), IMAGE_BITMAP, 0, 0, 0));
  IPicture* picture = nullptr;
  static const auto create = SystemFunction<decltype(OleCreatePictureIndirect)>(
      L"oleaut32.dll", "OleCreatePictureIndirect");
  if (description.bmp.hbitmap && (!create || FAILED(create(&description, IID_IPicture, TRUE,
                                                           reinterpret_cast<void**>(&picture))))) {
    DeleteObject(description.bmp.hbitmap);
  }
  TakePicture(ComPtr<IPicture>(picture));
  return picture_ != nullptr;
}

void PictureBoxControl::TakePicture(ComPtr<IPicture> picture) {
  picture_ = std::move(picture);
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  if (picture_) {
    picture_->get_Width(&width);
    picture_->get_Height(&height);
  }
  pictureWidth_ = HimetricToTwips(width);
  pictureHeight_ = HimetricToTwips(height);
  FitToPicture();
  Refresh();
}

void PictureBoxControl::RenderAt(HDC dc, int x, int y) const {
  Render(dc, {x, y, x + scale_.XToPixels(pictureWidth_), y + scale_.YToPixels(pictureHeight_)});
}

// The whole picture, scaled into the area.
void PictureBoxControl::Render(HDC dc, const RECT& area) const {
  if (!picture_) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  picture_->Render(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, 0,
                   height, width, -height, nullptr);
}

void PictureBoxControl::SetStretch(bool stretch) {
  stretch_ = stretch;
  FitToPicture();
  Refresh();
}

void PictureBoxControl::FitToPicture() {
  if (!stretch_ && picture_) Move(Left(), Top(), pictureWidth_, pictureHeight_);
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
  if (stretch_) {
    Render(dc, client);
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
