// Character sets by the names pages declare them by, through the system's
// multi-language component (MLang), which knows the web's names and
// converts its encodings, EUC-JP and ISO-2022-JP among them.
#include <windows.h>

#include <mlang.h>

#include "win32/handles.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

// Declared by the headers, defined by no library of Debian's mingw-w64.
constexpr IID kMultiLanguage = {
    0x275c23e1, 0x3747, 0x11d0, {0x9f, 0xea, 0x00, 0xaa, 0x00, 0x3f, 0x86, 0x46}};

// The encoding of a set by its name; 0 for a name the system does not know.
UINT EncodingOf(IMultiLanguage& languages, const std::string& charset) {
  static const auto allocate =
      SystemFunction<decltype(SysAllocString)>(L"oleaut32.dll", "SysAllocString");
  static const auto release =
      SystemFunction<decltype(SysFreeString)>(L"oleaut32.dll", "SysFreeString");
  if (!allocate || !release) return 0;
  const BSTR name = allocate(Wide(charset).c_str());
  MIMECSETINFO info{};
  const bool known = name && SUCCEEDED(languages.GetCharsetInfo(name, &info));
  release(name);
  return known ? info.uiInternetEncoding : 0;
}

}  // namespace

std::optional<std::string> Win32FileSystem::DecodeText(std::string_view bytes,
                                                       const std::string& charset) const {
  const ComOnThisThread com(COINIT_MULTITHREADED);
  const auto languages = Made<IMultiLanguage>([](IMultiLanguage** out) {
    return CoCreateInstance(CLSID_CMultiLanguage, nullptr, CLSCTX_INPROC_SERVER, kMultiLanguage,
                            reinterpret_cast<void**>(out));
  });
  const UINT encoding = languages ? EncodingOf(*languages, charset) : 0;
  if (encoding == 0 || bytes.size() > 0x7FFFFFFF) return std::nullopt;
  std::string source(bytes);
  UINT sourceSize = static_cast<UINT>(source.size()), wideSize = sourceSize;
  std::wstring wide(wideSize, L'\0');
  DWORD mode = 0;
  if (languages->ConvertStringToUnicode(&mode, encoding, source.data(), &sourceSize, wide.data(),
                                        &wideSize) != S_OK)
    return std::nullopt;
  wide.resize(wideSize);
  return Utf8(wide);
}

}  // namespace vantiro::win32
