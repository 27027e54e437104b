#include "win32/data_object.h"

#include <shellapi.h>

#include <cstring>

#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace vantiro::win32 {
namespace {

FORMATETC FileDropFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

FORMATETC NamedFormat(const wchar_t* name) {
  return {static_cast<CLIPFORMAT>(RegisterClipboardFormatW(name)), nullptr, DVASPECT_CONTENT, -1,
          TYMED_HGLOBAL};
}

// What DragQueryFile answers; nothing without the shell's library.
UINT QueryFile(HDROP drop, UINT index, wchar_t* name, UINT size) {
  static const auto query =
      SystemFunction<decltype(DragQueryFileW)>(L"shell32.dll", "DragQueryFileW");
  return query ? query(drop, index, name, size) : 0;
}

std::string FileName(HDROP drop, UINT index) {
  std::wstring name(QueryFile(drop, index, nullptr, 0), L'\0');
  QueryFile(drop, index, name.data(), static_cast<UINT>(name.size() + 1));
  return Utf8(name);
}

}  // namespace

bool OffersFiles(IDataObject* data) {
  FORMATETC format = FileDropFormat();
  return data != nullptr && data->QueryGetData(&format) == S_OK;
}

std::vector<std::string> DroppedFiles(IDataObject* data) {
  FORMATETC format = FileDropFormat();
  STGMEDIUM medium{};
  if (data->GetData(&format, &medium) != S_OK) return {};
  std::vector<std::string> files;
  if (medium.tymed == TYMED_HGLOBAL) {
    auto drop = static_cast<HDROP>(medium.hGlobal);
    const UINT count = QueryFile(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) files.push_back(FileName(drop, i));
  }
  ReleaseStgMedium(&medium);
  return files;
}

std::optional<DWORD> DwordOf(IDataObject* data, const wchar_t* format) {
  FORMATETC formatEtc = NamedFormat(format);
  STGMEDIUM medium{};
  if (data->GetData(&formatEtc, &medium) != S_OK) return std::nullopt;
  std::optional<DWORD> value;
  if (medium.tymed == TYMED_HGLOBAL && GlobalSize(medium.hGlobal) >= sizeof(DWORD)) {
    value = *static_cast<const DWORD*>(GlobalLock(medium.hGlobal));
    GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  return value;
}

HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  std::memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  return memory;
}

void SetDword(IDataObject* data, const wchar_t* format, DWORD value) {
  HGLOBAL memory = GlobalCopy(&value, sizeof value);
  if (!memory) return;
  FORMATETC formatEtc = NamedFormat(format);
  STGMEDIUM medium{};
  medium.tymed = TYMED_HGLOBAL;
  medium.hGlobal = memory;
  if (FAILED(data->SetData(&formatEtc, &medium, TRUE))) GlobalFree(memory);
}

}  // namespace vantiro::win32
