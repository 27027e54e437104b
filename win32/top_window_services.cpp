// What a top window offers the program besides itself: text measured in
// its font, its caption as a handle to drag it by, the help viewer and the
// file dialog it owns.
#include "win32/top_window.h"

#include <commdlg.h>

#include <array>
#include <memory>

#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace vantiro::win32 {
namespace {

SIZE Measure(HDC dc, const std::string& text) {
  SIZE size{};
  const std::wstring wide = Wide(text);
  GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size);
  return size;
}

// A copy of the window's font of its own: the window may go while a job
// measures. Names are mostly plain ASCII: adding up cached advances is many
// times faster than asking GDI for each name, which counts for 100,000 of
// them. Each call takes a device context of its own, so that jobs on two
// threads measure at once.
class FontMeasure final : public TextMeasure {
 public:
  FontMeasure(HFONT font, Scale scale) : scale_(scale) {
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    font_.reset(CreateFontIndirectW(&description));
    const ScreenTextDC dc(font_.get());
    GetCharWidth32W(dc.get(), ' ', '~', advances_.data() + ' ');
  }

  std::vector<Twips> Widths(const std::vector<std::string>& texts) const override {
    const ScreenTextDC dc(font_.get());
    std::vector<Twips> widths;
    widths.reserve(texts.size());
    for (const std::string& text : texts) {
      const std::optional<int> ascii = AsciiWidth(text);
      widths.push_back(scale_.XToTwips(ascii ? *ascii : Measure(dc.get(), text).cx));
    }
    return widths;
  }

 private:
  std::optional<int> AsciiWidth(const std::string& text) const {
    int width = 0;
    for (const char c : text) {
      if (c < ' ' || c > '~') return std::nullopt;
      width += advances_[static_cast<std::size_t>(c)];
    }
    return width;
  }

  Scale scale_;
  UniqueFont font_;
  std::array<int, 128> advances_{};
};

// Windows XP had a WinHelp viewer, and Wine has one. From Vista on Windows
// ships in its place a stub of a few kilobytes that only says the format
// is not supported, unless the user installed the viewer Microsoft offered
// apart, many times that size.
bool WinHelpShows() {
  static const bool shows = [] {
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) return true;
    std::wstring viewer(MAX_PATH, L'\0');
    viewer.resize(GetWindowsDirectoryW(viewer.data(), MAX_PATH));
    WIN32_FILE_ATTRIBUTE_DATA facts{};
    return GetFileAttributesExW((viewer + L"\\winhlp32.exe").c_str(), GetFileExInfoStandard,
                                &facts) &&
           (facts.nFileSizeHigh > 0 || facts.nFileSizeLow >= 64 * 1024);
  }();
  return shows;
}

}  // namespace

// A line's height, as the list boxes take it for a row: the text's own
// extent is 0 for "" under Wine.
Twips TopWindow::TextHeight(const std::string& /*text*/) const {
  const ScreenTextDC dc(font_.get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  return scale_.YToTwips(metrics.tmHeight);
}

std::shared_ptr<const TextMeasure> TopWindow::Measurer() const {
  return std::make_shared<FontMeasure>(font_.get(), scale_);
}

void TopWindow::DragByCaption() {
  if (!hwnd_) return;
  ReleaseCapture();
  SendMessageW(hwnd_.get(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

bool TopWindow::ShowHelp(const std::string& helpFile, unsigned command) {
  return WinHelpShows() && WinHelpW(hwnd_.get(), Wide(helpFile).c_str(), command, 0);
}

// The filter is "<name> (<pattern>)", NUL, "<pattern>", two NULs.
std::optional<std::string> TopWindow::ChooseFile(const std::string& title,
                                                 const std::string& filterName,
                                                 const std::string& pattern) {
  const std::wstring caption = Wide(title);
  const std::wstring filter =
      Wide(filterName + " (" + pattern + ")") + L'\0' + Wide(pattern) + L'\0' + L'\0';
  std::wstring file(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd_.get();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = caption.c_str();
  // The program finds its settings through the current directory: keep it.
  dialog.Flags =
      OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
  static const auto choose =
      SystemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
  if (!choose || !choose(&dialog)) return std::nullopt;
  return Utf8(file.c_str());
}

}  // namespace vantiro::win32
