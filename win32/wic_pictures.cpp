#include "win32/wic_pictures.h"

#include <olectl.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "chain/names.h"
#include "win32/picture_check.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"

// The decoder's own scaling, which the Windows SDK declares (since Windows
// 7) and Debian's mingw-w64 headers do not.
#ifndef __IWICBitmapSourceTransform_INTERFACE_DEFINED__
MIDL_INTERFACE("3b16811b-6a43-4ec9-b713-3d5a0c13b940")
IWICBitmapSourceTransform : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CopyPixels(
      const WICRect* rect, UINT width, UINT height, WICPixelFormatGUID* format,
      WICBitmapTransformOptions transform, UINT stride, UINT size, BYTE* pixels) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetClosestSize(UINT * width, UINT * height) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(WICPixelFormatGUID * format) = 0;
  virtual HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions transform,
                                                         BOOL * supported) = 0;
};
__CRT_UUID_DECL(IWICBitmapSourceTransform, 0x3b16811b, 0x6a43, 0x4ec9, 0xb7, 0x13, 0x3d, 0x5a, 0x0c,
                0x13, 0xb9, 0x40)
#endif

namespace vantiro::win32 {
namespace {

// Larger metafiles are not pictures worth decoding here.
constexpr DWORD kMaxMetafileBytes = 256u << 20;
// Rows copied at a time: a decode superseded stops at the next band.
constexpr LONG kBandRows = 64;

// The picture loader's kinds, which the imaging component has no codec for.
bool IsMetafile(const std::string& path) { return EndsIn(path, ".wmf") || EndsIn(path, ".emf"); }

Twips ToTwips(std::int64_t pixels, int twipsPerPixel) { return ClampTwips(pixels * twipsPerPixel); }

// The file's head where it is worth decoding, held against its size.
std::optional<std::string> HeadWorthDecoding(const std::string& path) {
  const UniqueFile file(CreateFileW(FilePath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                    nullptr));
  LARGE_INTEGER size{};
  if (file.get() == INVALID_HANDLE_VALUE || !GetFileSizeEx(file.get(), &size)) return std::nullopt;
  std::string head(std::min<std::uint64_t>(kHeadBytes, size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr) ||
      read != head.size() || !WorthDecoding(head, size.QuadPart)) {
    return std::nullopt;
  }
  return head;
}

ComPtr<IWICImagingFactory> Factory() {
  return Made<IWICImagingFactory>([](IWICImagingFactory** out) {
    return CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                            IID_PPV_ARGS(out));
  });
}

// A decoder's extensions come as one list, ".jpeg,.jpe,.jpg" (Wine's
// ".jpg;.jpeg;.jfif").
void AddExtensions(IWICBitmapDecoderInfo& info, std::vector<std::string>& kinds) {
  UINT length = 0;
  if (FAILED(info.GetFileExtensions(0, nullptr, &length)) || length == 0) return;
  std::wstring list(length, L'\0');
  if (FAILED(info.GetFileExtensions(length, list.data(), &length))) return;
  list.resize(std::wcslen(list.c_str()));
  for (std::size_t start = 0; start < list.size();) {
    const std::size_t end = std::min(list.find_first_of(L",;", start), list.size());
    const std::string kind = LowerCase(Utf8(list.substr(start, end - start)));
    if (kind.starts_with('.')) kinds.push_back(kind);
    start = end + 1;
  }
}

// An icon shows its largest image; anything else its first (an animated
// GIF's first frame, a TIFF's first page).
ComPtr<IWICBitmapFrameDecode> ShownFrame(IWICBitmapDecoder& decoder) {
  GUID container{};
  UINT frames = 0;
  decoder.GetContainerFormat(&container);
  if (FAILED(decoder.GetFrameCount(&frames)) || frames == 0) return nullptr;
  if (container != GUID_ContainerFormatIco) frames = 1;
  ComPtr<IWICBitmapFrameDecode> shown;
  UINT64 largest = 0;
  for (UINT i = 0; i < frames; ++i) {
    auto frame = Made<IWICBitmapFrameDecode>([&](auto** out) { return decoder.GetFrame(i, out); });
    UINT width = 0, height = 0;
    if (!frame || FAILED(frame->GetSize(&width, &height))) continue;
    if (UINT64{width} * height > largest || !shown) {
      largest = UINT64{width} * height;
      shown = std::move(frame);
    }
  }
  return shown;
}

// Where a stored pixel stands once the photo is upright, by its EXIF
// orientation (2 to 8): mirrored, turned, or both.
POINT UprightPoint(int orientation, LONG x, LONG y, SIZE stored) {
  const LONG right = stored.cx - 1 - x, bottom = stored.cy - 1 - y;
  switch (orientation) {
    case 2:
      return {right, y};
    case 3:
      return {right, bottom};
    case 4:
      return {x, bottom};
    case 5:
      return {y, x};
    case 6:
      return {bottom, x};  // a quarter turn clockwise
    case 7:
      return {bottom, right};
    case 8:
      return {y, right};
    default:
      return {x, y};
  }
}

std::shared_ptr<DecodedPicture> Uprighted(const DecodedPicture& stored, int orientation) {
  const SIZE from = stored.Pixels();
  const SIZE to = orientation >= 5 ? SIZE{from.cy, from.cx} : from;
  auto upright =
      std::make_shared<DecodedPicture>(stored.Width(), stored.Height(), stored.Divisor(), to);
  if (!upright->Bits()) return nullptr;
  const auto* const source = static_cast<const std::uint32_t*>(stored.Bits());
  auto* const target = static_cast<std::uint32_t*>(upright->Bits());
  for (LONG y = 0; y < from.cy; ++y) {
    for (LONG x = 0; x < from.cx; ++x) {
      const POINT at = UprightPoint(orientation, x, y, from);
      target[std::size_t{static_cast<std::size_t>(at.y)} * static_cast<std::size_t>(to.cx) +
             static_cast<std::size_t>(at.x)] =
          source[std::size_t{static_cast<std::size_t>(y)} * static_cast<std::size_t>(from.cx) +
                 static_cast<std::size_t>(x)];
    }
  }
  return upright;
}

template <typename Interface>
ComPtr<IWICBitmapSource> AsSource(ComPtr<Interface> made) {
  return ComPtr<IWICBitmapSource>(made.release());
}

// The decoder's own scaling, where it offers a size of at least width x
// height below the picture's own: a JPEG decodes at 1/2, 1/4 or 1/8 of its
// size, doing that much less work.
ComPtr<IWICBitmapSource> DecodedSmaller(IWICImagingFactory& factory, IWICBitmapFrameDecode& frame,
                                        UINT width, UINT height) {
  const auto transform = Made<IWICBitmapSourceTransform>(
      [&](auto** out) { return frame.QueryInterface(IID_PPV_ARGS(out)); });
  UINT ownWidth = 0, ownHeight = 0, closeWidth = width, closeHeight = height;
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppPBGRA;
  frame.GetSize(&ownWidth, &ownHeight);
  if (!transform || FAILED(transform->GetClosestSize(&closeWidth, &closeHeight)) ||
      closeWidth < width || closeHeight < height || closeWidth >= ownWidth ||
      FAILED(transform->GetClosestPixelFormat(&format))) {
    return nullptr;
  }
  auto bitmap = Made<IWICBitmap>([&](auto** out) {
    return factory.CreateBitmap(closeWidth, closeHeight, format, WICBitmapCacheOnLoad, out);
  });
  const WICRect all{0, 0, static_cast<INT>(closeWidth), static_cast<INT>(closeHeight)};
  auto lock = bitmap ? Made<IWICBitmapLock>(
                           [&](auto** out) { return bitmap->Lock(&all, WICBitmapLockWrite, out); })
                     : nullptr;
  UINT stride = 0, size = 0;
  BYTE* bits = nullptr;
  if (!lock || FAILED(lock->GetStride(&stride)) || FAILED(lock->GetDataPointer(&size, &bits)) ||
      FAILED(transform->CopyPixels(nullptr, closeWidth, closeHeight, &format,
                                   WICBitmapTransformRotate0, stride, size, bits))) {
    return nullptr;
  }
  lock.reset();
  return AsSource(std::move(bitmap));
}

// The frame at width x height.
ComPtr<IWICBitmapSource> Scaled(IWICImagingFactory& factory, IWICBitmapFrameDecode& frame,
                                UINT width, UINT height) {
  frame.AddRef();
  ComPtr<IWICBitmapSource> source(&frame);
  if (auto smaller = DecodedSmaller(factory, frame, width, height)) source = std::move(smaller);
  UINT sourceWidth = 0, sourceHeight = 0;
  source->GetSize(&sourceWidth, &sourceHeight);
  if (sourceWidth == width && sourceHeight == height) return source;
  auto scaler = Made<IWICBitmapScaler>([&](auto** out) { return factory.CreateBitmapScaler(out); });
  if (!scaler ||
      FAILED(scaler->Initialize(source.get(), width, height, WICBitmapInterpolationModeFant)))
    return nullptr;
  return AsSource(std::move(scaler));
}

// The pixels as premultiplied BGRA, a band of rows at a time.
bool CopyInBands(IWICImagingFactory& factory, IWICBitmapSource& source, DecodedPicture& picture,
                 const Lifetime::Flag& ended) {
  const auto converter =
      Made<IWICFormatConverter>([&](auto** out) { return factory.CreateFormatConverter(out); });
  if (!converter ||
      FAILED(converter->Initialize(&source, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
    return false;
  }
  const SIZE size = picture.Pixels();
  const UINT stride = static_cast<UINT>(size.cx) * 4;
  auto* const bits = static_cast<BYTE*>(picture.Bits());
  for (LONG top = 0; top < size.cy; top += kBandRows) {
    const WICRect band{0, top, size.cx, std::min(kBandRows, size.cy - top)};
    if (*ended ||
        FAILED(converter->CopyPixels(&band, stride, stride * static_cast<UINT>(band.Height),
                                     bits + std::size_t{stride} * top))) {
      return false;
    }
  }
  return true;
}

// Pixels GDI draws, over the face of buttons as a box's back shows; GDI
// leaves their alpha at 0, so each is then made opaque.
std::shared_ptr<DecodedPicture> Drawn(Twips width, Twips height, int divisor, SIZE pixels,
                                      const std::function<void(HDC)>& draw) {
  auto picture = std::make_shared<DecodedPicture>(width, height, divisor, pixels);
  if (!picture->Bits()) return nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, picture->Handle());
  const RECT all{0, 0, pixels.cx, pixels.cy};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  draw(dc);
  GdiFlush();
  SelectObject(dc, old);
  DeleteDC(dc);
  auto* const first = static_cast<std::uint32_t*>(picture->Bits());
  std::for_each(first,
                first + std::size_t{static_cast<std::size_t>(pixels.cx)} *
                            static_cast<std::size_t>(pixels.cy),
                [](std::uint32_t& pixel) { pixel |= 0xFF000000; });
  return picture;
}

// A placeable WMF or an EMF, through the picture loader.
ComPtr<IPicture> LoadMetafile(const std::string& path) {
  const UniqueFile file(CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return nullptr;
  const DWORD size = GetFileSize(file.get(), nullptr);
  if (size == INVALID_FILE_SIZE || size == 0 || size > kMaxMetafileBytes) return nullptr;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory == nullptr) return nullptr;
  DWORD read = 0;
  const bool complete =
      ReadFile(file.get(), GlobalLock(memory), size, &read, nullptr) && read == size;
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (!complete || FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  const ComPtr<IStream> owned(stream);  // frees the memory with it
  static const auto load =
      SystemFunction<decltype(OleLoadPicture)>(L"oleaut32.dll", "OleLoadPicture");
  if (!load) return nullptr;
  return Made<IPicture>([&](IPicture** out) {
    return load(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                reinterpret_cast<void**>(out));
  });
}

std::shared_ptr<const Picture> DecodeMetafile(const std::string& path,
                                              const PictureDecoder::ChooseDivisor& choose,
                                              Scale scale) {
  const auto metafile = LoadMetafile(path);
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  if (!metafile || FAILED(metafile->get_Width(&width)) || FAILED(metafile->get_Height(&height)) ||
      width <= 0 || height <= 0) {
    return nullptr;
  }
  // 2540 HIMETRIC units (0.01 mm) an inch, 1440 twips.
  const Twips twipsWide = MulDiv(width, 1440, 2540), twipsHigh = MulDiv(height, 1440, 2540);
  const int divisor = std::max(1, choose(twipsWide, twipsHigh));
  const SIZE pixels{std::max(1, scale.XToPixels(twipsWide) / divisor),
                    std::max(1, scale.YToPixels(twipsHigh) / divisor)};
  return Drawn(twipsWide, twipsHigh, divisor, pixels, [&](HDC dc) {
    metafile->Render(dc, 0, 0, pixels.cx, pixels.cy, 0, height, width, -height, nullptr);
  });
}

}  // namespace

DecodedPicture::DecodedPicture(Twips width, Twips height, int divisor, SIZE pixels)
    : width_(width), height_(height), divisor_(divisor), pixels_(pixels) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, pixels.cx, -pixels.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
  if (!bitmap_) bits_ = nullptr;
}

void DecodedPicture::Draw(HDC dc, const RECT& area) const {
  const HDC source = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(source, bitmap_.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source, 0,
                0, pixels_.cx, pixels_.cy, blend);
  SelectObject(source, old);
  DeleteDC(source);
}

std::vector<std::string> WicPictureDecoder::Extensions() const {
  const ComOnThisThread com(COINIT_APARTMENTTHREADED);
  std::vector<std::string> kinds = {".wmf", ".emf"};
  const auto factory = Factory();
  const auto decoders = factory ? Made<IEnumUnknown>([&](auto** out) {
    return factory->CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault, out);
  })
                                : nullptr;
  IUnknown* next = nullptr;
  while (decoders && decoders->Next(1, &next, nullptr) == S_OK) {
    const ComPtr<IUnknown> component(next);
    const auto info = Made<IWICBitmapDecoderInfo>(
        [&](auto** out) { return component->QueryInterface(IID_PPV_ARGS(out)); });
    if (info) AddExtensions(*info, kinds);
  }
  return kinds;
}

std::shared_ptr<const Picture> WicPictureDecoder::Decode(const std::string& path,
                                                         const ChooseDivisor& choose,
                                                         const Lifetime::Flag& ended) const {
  const ComOnThisThread com(COINIT_MULTITHREADED);
  if (*ended) return nullptr;
  if (IsMetafile(path)) return DecodeMetafile(path, choose, scale_);
  const std::optional<std::string> head = HeadWorthDecoding(path);
  if (!head) return nullptr;
  const auto factory = Factory();
  const auto decoder = factory ? Made<IWICBitmapDecoder>([&](auto** out) {
    return factory->CreateDecoderFromFilename(FilePath(path).c_str(), nullptr, GENERIC_READ,
                                              WICDecodeMetadataCacheOnDemand, out);
  })
                               : nullptr;
  const auto frame = decoder ? ShownFrame(*decoder) : nullptr;
  UINT width = 0, height = 0;
  if (!frame || FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0)
    return nullptr;
  const int orientation = ExifOrientation(*head);
  const bool sideways = orientation >= 5;  // a quarter turn either way
  const Twips twipsWide = ToTwips(sideways ? height : width, scale_.twipsPerPixelX);
  const Twips twipsHigh = ToTwips(sideways ? width : height, scale_.twipsPerPixelY);
  const int divisor = std::max(1, choose(twipsWide, twipsHigh));
  const auto shown = [divisor](UINT length) {
    return std::max<UINT>(1,
                          (length + static_cast<UINT>(divisor) - 1) / static_cast<UINT>(divisor));
  };
  const auto source = Scaled(*factory, *frame, shown(width), shown(height));
  UINT shownWidth = 0, shownHeight = 0;
  if (!source || FAILED(source->GetSize(&shownWidth, &shownHeight))) return nullptr;
  auto picture = std::make_shared<DecodedPicture>(
      twipsWide, twipsHigh, divisor,
      SIZE{static_cast<LONG>(shownWidth), static_cast<LONG>(shownHeight)});
  if (!picture->Bits() || !CopyInBands(*factory, *source, *picture, ended)) return nullptr;
  return orientation > 1 ? Uprighted(*picture, orientation) : picture;
}

std::shared_ptr<const DecodedPicture> ResourcePicture(const std::string& name, Scale scale) {
  const UniqueBitmap bitmap(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), Wide(name).c_str(), IMAGE_BITMAP, 0, 0, 0)));
  BITMAP facts{};
  if (!bitmap || !GetObjectW(bitmap.get(), sizeof facts, &facts)) return nullptr;
  return Drawn(scale.XToTwips(facts.bmWidth), scale.YToTwips(facts.bmHeight), 1,
               {facts.bmWidth, facts.bmHeight}, [&](HDC dc) {
                 const HDC source = CreateCompatibleDC(dc);
                 const HGDIOBJ old = SelectObject(source, bitmap.get());
                 BitBlt(dc, 0, 0, facts.bmWidth, facts.bmHeight, source, 0, 0, SRCCOPY);
                 SelectObject(source, old);
                 DeleteDC(source);
               });
}

}  // namespace vantiro::win32
