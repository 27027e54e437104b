// The shell's data objects read and told, whoever made them: the files they
// hold (CF_HDROP) and the DWORD formats of the drop effects ("Preferred
// DropEffect", "Performed DropEffect", "Paste Succeeded").
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vantiro::win32 {

bool OffersFiles(IDataObject* data);
// Full paths, as they stand in CF_HDROP; none when it holds no files.
std::vector<std::string> DroppedFiles(IDataObject* data);
// A DWORD format named as the shell names it (CFSTR_PREFERREDDROPEFFECT);
// nullopt when the object has none.
std::optional<DWORD> DwordOf(IDataObject* data, const wchar_t* format);
void SetDword(IDataObject* data, const wchar_t* format, DWORD value);
// Moveable memory holding bytes, as the clipboard and data objects take it;
// nullptr when there is none.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size);

}  // namespace vantiro::win32
