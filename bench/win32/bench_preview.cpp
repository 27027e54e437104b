// Pictures previewed at scale, through the real Form1 and the adapter: a
// click on a 24-megapixel JPEG until the viewer has painted it, against the
// system's own decode of the file at the size shown, and the window's worst
// answer meanwhile; the memory a click on a 96-megapixel JPEG and on a
// 100-megapixel PNG takes, against three times the pixels shown; Down held
// over 100 photos, with the decodes it begins and completes. Then the
// details of a small and a huge text file, from the click until they show,
// against reading 64 KB of a file alone.
#include <windows.h>

#include <psapi.h>
#include <wincodec.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "app/form1.h"
#include "bench/win32/bench_win32.h"
#include "preview/file_details.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::bench {
namespace {

// The memory the process has committed (Wine does not count private bytes).
std::size_t CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

// The most memory committed while it lives, sampled every millisecond.
class MemoryPeak {
 public:
  MemoryPeak()
      : thread_([this] {
          for (; !stop_; Sleep(1)) most_ = std::max(most_.load(), CommittedBytes());
        }) {}
  ~MemoryPeak() { Stop(); }
  std::size_t Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return most_;
  }

 private:
  std::atomic<bool> stop_ = false;
  std::atomic<std::size_t> most_ = CommittedBytes();
  std::thread thread_;
};

// The system's decoder, counting the decodes begun and those that gave a
// picture.
class CountedDecoder final : public PictureDecoder {
 public:
  std::vector<std::string> Extensions() const override { return system_.Extensions(); }
  std::shared_ptr<const Picture> Decode(const std::string& path, const ChooseDivisor& divisor,
                                        const Lifetime::Flag& ended) const override {
    ++begun;
    auto picture = system_.Decode(path, divisor, ended);
    completed += picture != nullptr;
    return picture;
  }
  mutable std::atomic<int> begun = 0, completed = 0;

 private:
  win32::WicPictureDecoder system_;
};

// What any program would write: the file's first frame through WIC's
// scaler and format converter into memory at width x height.
void SystemDecode(const std::string& path, UINT width, UINT height) {
  const win32::ComOnThisThread com(COINIT_MULTITHREADED);
  IWICImagingFactory* factory = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICBitmapScaler* scaler = nullptr;
  IWICFormatConverter* converter = nullptr;
  std::vector<BYTE> pixels(std::size_t{width} * height * 4);
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_PPV_ARGS(&factory))) &&
      SUCCEEDED(factory->CreateDecoderFromFilename(win32::Wide(path).c_str(), nullptr, GENERIC_READ,
                                                   WICDecodeMetadataCacheOnDemand, &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateBitmapScaler(&scaler)) &&
      SUCCEEDED(scaler->Initialize(frame, width, height, WICBitmapInterpolationModeFant)) &&
      SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
      SUCCEEDED(converter->Initialize(scaler, GUID_WICPixelFormat32bppPBGRA,
                                      WICBitmapDitherTypeNone, nullptr, 0,
                                      WICBitmapPaletteTypeCustom))) {
    converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()), pixels.data());
  }
  for (IUnknown* made :
       std::initializer_list<IUnknown*>{converter, scaler, frame, decoder, factory})
    if (made) made->Release();
}

// Previews the file as a click on it does, and lets the viewer paint it.
void ClickAndPaint(win32::Win32WindowSystem& ws, Previews& previews, const std::string& folder,
                   const std::string& name) {
  previews.HidePictureViewer();
  previews.Preview(name, folder + name);
  RunFor(ws, 120'000, [&] { return !previews.form2().window().Visible(); });
  const HWND viewer = reinterpret_cast<HWND>(previews.form2().window().SystemHandle());
  RedrawWindow(viewer, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The picture's size on the screen, in pixels.
SIZE ShownPixels(win32::Win32WindowSystem& ws, Previews& previews) {
  const PictureBox& image = previews.form2().Image1();
  return {image.Width() / ws.TwipsPerPixelX(), image.Height() / ws.TwipsPerPixelY()};
}

bool ShowPhoto(win32::Win32WindowSystem& ws, Form1& form, const std::string& folder) {
  Previews& previews = form.previews();
  const std::string name = "big.jpg";
  const double shown = BestSeconds([&] { ClickAndPaint(ws, previews, folder, name); });
  const SIZE pixels = ShownPixels(ws, previews);
  const double system = BestSeconds([&] {
    SystemDecode(folder + name, static_cast<UINT>(pixels.cx), static_cast<UINT>(pixels.cy));
  });
  Report("picture shown: big.jpg, 6000 x 4000", static_cast<int>(pixels.cx), "pixels wide", shown,
         "the system's decode at that size", system);
  const AnswerWatch answers(reinterpret_cast<HWND>(form.window().SystemHandle()));
  ClickAndPaint(ws, previews, folder, name);
  std::printf("picture shown: big.jpg: the window's worst answer meanwhile %.0f ms\n",
              answers.Worst() * 1e3);
  return pixels.cx > 0;
}

// From a viewer made anew: the memory the click takes at its most.
bool MemoryOfHugePictures(win32::Win32WindowSystem& ws, Previews& previews,
                          const std::string& folder) {
  bool shown = true;
  for (const char* name : {"huge.jpg", "huge.png"}) {
    previews.form2().window().Close();
    previews.form2();
    const std::size_t before = CommittedBytes();
    MemoryPeak peak;
    ClickAndPaint(ws, previews, folder, name);
    const double most = static_cast<double>(peak.Stop() - std::min(before, peak.Stop()));
    const SIZE pixels = ShownPixels(ws, previews);
    const double allowed =
        3.0 * 4 * static_cast<double>(pixels.cx) * static_cast<double>(pixels.cy);
    const std::size_t beforeSystem = CommittedBytes();
    MemoryPeak systemPeak;
    SystemDecode(folder + name, static_cast<UINT>(pixels.cx), static_cast<UINT>(pixels.cy));
    const double system = static_cast<double>(systemPeak.Stop() - beforeSystem);
    std::printf(
        "memory of a click on %s: %8.1f MB at most, 3 x the %ld x %ld pixels shown %6.1f MB, "
        "ratio %.2f; the system's decode at that size alone %8.1f MB\n",
        name, most / 1048576.0, pixels.cx, pixels.cy, allowed / 1048576.0, most / allowed,
        system / 1048576.0);
    shown = shown && pixels.cx > 0;
  }
  return shown;
}

// Down held on the file list of 100 photos for 3.3 s, 30 times a second as
// the keyboard repeats it: the window's worst answer, and the decodes.
bool HoldDownOverPhotos(win32::Win32WindowSystem& ws, Form1& form, const CountedDecoder& pictures,
                        const std::string& folder) {
  constexpr int kPhotos = 100;
  Browser& browser = form.browser();
  if (OpenFolder(ws, browser, folder) < 0) return false;
  browser.files().ClickFile(0, 0);
  Previews& previews = form.previews();
  RunFor(ws, 60'000, [&] { return !previews.form2().window().Visible(); });
  pictures.begun = pictures.completed = 0;
  browser.lists().Files().SetFocus();
  const AnswerWatch answers(reinterpret_cast<HWND>(form.window().SystemHandle()));
  // The caption names the photo, then the halvings that fitted it.
  const auto lastShown = [&] {
    return previews.form2().window().Caption().starts_with("photo 099.jpg  x0.5");
  };
  {
    const HeldDown down(GetFocus(), kPhotos - 1);
    RunFor(ws, 120'000, [&] { return !down.typed() || !lastShown(); });
  }
  std::printf(
      "Down held over %d photos: the window's worst answer %.0f ms; %d decodes begun, %d "
      "completed, the last shown: %s\n",
      kPhotos, answers.Worst() * 1e3, pictures.begun.load(), pictures.completed.load(),
      lastShown() ? "yes" : "no");
  return lastShown();
}

// 64 KB of lines, then nothing up to the size: the rest of a huge file is
// never read.
void MakeTextFile(const std::string& path, LONGLONG size) {
  const HANDLE file = CreateFileW(win32::FilePath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string lines;
  while (lines.size() + 40 <= kDetailsBytes) lines += "a line of text as a log file has it\r\n";
  DWORD written = 0;
  WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
  LARGE_INTEGER end{};
  end.QuadPart = size;
  SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
}

double ReadAlone(const std::string& path) {
  return BestSeconds([&] {
    const HANDLE file = CreateFileW(win32::FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    std::string bytes(kDetailsBytes, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
  });
}

bool PreviewDetails(win32::Win32WindowSystem& ws, Previews& previews, const std::string& folder) {
  CreateDirectoryW(win32::FilePath(folder).c_str(), nullptr);
  const std::pair<const char*, LONGLONG> files[] = {{"small.txt", 64 * 1024},
                                                    {"huge.txt", 4LL << 30}};
  Window& details = previews.frmDetails().window();
  bool ok = true;
  for (const auto& [name, size] : files) {
    MakeTextFile(folder + name, size);
    const double shown = BestSeconds([&] {
      previews.HidePictureViewer();
      previews.Preview(name, folder + name);
      RunFor(ws, 5'000, [&] { return !details.Visible(); });
    });
    Report((std::string("details shown: ") + name).c_str(), static_cast<int>(size >> 20), "MB",
           shown, "64 KB read alone", ReadAlone(folder + name));
    ok = ok && details.Caption() == name;
  }
  return ok;
}

}  // namespace

bool PreviewPictures(win32::Win32WindowSystem& ws, const std::string& root) {
  win32::Win32FileSystem fs;
  const CountedDecoder pictures;
  Form1 form(ws, ws, fs, pictures);
  form.Start();
  const std::string folder = root + "pictures\\";
  const bool shown = ShowPhoto(ws, form, folder) &&
                     MemoryOfHugePictures(ws, form.previews(), folder) &&
                     HoldDownOverPhotos(ws, form, pictures, root + "photos\\");
  return PreviewDetails(ws, form.previews(), root + "details\\") && shown;
}

}  // namespace vantiro::bench
