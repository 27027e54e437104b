// Pictures previewed at scale, through the real Form1 and the adapter: a
// click on a 24-megapixel JPEG and on a 4000 x 3000 bitmap until the viewer
// has painted it, against decoding the same file with OleLoadPicture alone;
// and the memory the viewer holds after four zoom-ins on the JPEG, against
// the decoded picture. Then the details of a small and a huge text file,
// from the click until they show, against reading 64 KB of a file alone.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/form1.h"
#include "bench/win32/bench_win32.h"
#include "preview/file_details.h"
#include "win32/picture_box_control.h"
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

// The bytes of the bitmap the picture loader decodes the file into.
std::size_t DecodedBytes(const std::string& path) {
  const Lifetime living;
  const auto picture =
      std::static_pointer_cast<const win32::DecodedPicture>(win32::WicPictureDecoder().Decode(
          path, [](Twips, Twips) { return 1; }, living.ended()));
  return picture ? std::size_t{4} * static_cast<std::size_t>(picture->Pixels().cx) *
                       static_cast<std::size_t>(picture->Pixels().cy)
                 : 0;
}

// Previews the file as a click on it does, and lets the viewer paint.
void ClickAndPaint(Previews& previews, const std::string& folder, const std::string& name) {
  previews.Preview(name, folder + name);
  const HWND viewer = reinterpret_cast<HWND>(previews.form2().window().SystemHandle());
  RedrawWindow(viewer, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
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
  const win32::WicPictureDecoder pictures;
  Form1 form(ws, ws, fs, pictures);
  form.Start();
  const std::string folder = root + "pictures\\";
  const std::vector<std::string> names = {"big.jpg", "big.bmp"};
  Previews& previews = form.previews();
  bool ok = true;
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    const std::string path = folder + names[static_cast<std::size_t>(i)];
    const double shown =
        BestSeconds([&] { ClickAndPaint(previews, folder, names[static_cast<std::size_t>(i)]); });
    const double decoded = BestSeconds([&] { DecodedBytes(path); });
    Report(("picture shown: " + names[static_cast<std::size_t>(i)]).c_str(),
           previews.form2().Image1().PictureWidth() / ws.TwipsPerPixelX(), "pixels wide", shown,
           "decoded alone", decoded);
    ok = ok && previews.form2().Image1().PictureWidth() > 0;
  }

  // Measured from before the click: the viewer's own memory then holds
  // the decoded picture and what zooming adds.
  previews.form2().window().Close();
  previews.form2();  // a new, empty viewer: the old one's picture went with it
  const std::size_t before = CommittedBytes();
  std::size_t most = before;
  ClickAndPaint(previews, folder, names[0]);
  for (int zoom = 0; zoom < 4; ++zoom) {
    const PictureBox& image = previews.form2().Image1();
    previews.form2().Image1_MouseDown({kLeftButton, 0, image.Width() / 3, image.Height() / 3});
    RedrawWindow(reinterpret_cast<HWND>(previews.form2().window().SystemHandle()), nullptr, nullptr,
                 RDW_UPDATENOW | RDW_ALLCHILDREN);
    most = std::max(most, CommittedBytes());
  }
  const std::size_t picture = DecodedBytes(folder + names[0]);
  const double peak = static_cast<double>(most - before);
  std::printf(
      "viewer's memory over 4 zoom-ins (most): %8.1f MB, decoded picture %8.1f MB, ratio %.2f\n",
      peak / 1048576.0, static_cast<double>(picture) / 1048576.0,
      peak / static_cast<double>(picture));
  return PreviewDetails(ws, previews, root + "details\\") && ok && picture > 0;
}

}  // namespace vantiro::bench
