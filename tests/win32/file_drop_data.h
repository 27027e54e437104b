// Files offered as CF_HDROP, as the shell's data object offers them: a fresh
// DROPFILES block for each GetData (freed by the taker), the names wide, each
// ending in NUL, then one NUL more. With no files it offers CF_TEXT alone, as
// a drag of text does. Lives on its owner's stack: references are not counted.
#pragma once

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

class FileDropData final : public IDataObject {
 public:
  explicit FileDropData(const std::vector<std::wstring>& files) : offersFiles_(!files.empty()) {
    for (const auto& file : files) names_ += file + L'\0';
    names_ += L'\0';
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IUnknown || iid == IID_IDataObject ? this : nullptr;
    return *object != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK || !offersFiles_) return DV_E_FORMATETC;
    const SIZE_T bytes = sizeof(DROPFILES) + names_.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    if (!memory) return E_OUTOFMEMORY;
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    *header = {sizeof(DROPFILES), {}, FALSE, TRUE};
    std::memcpy(header + 1, names_.data(), names_.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    *medium = {};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    const bool matches = format->cfFormat == Offered().cfFormat &&
                         format->dwAspect == DVASPECT_CONTENT && (format->tymed & TYMED_HGLOBAL);
    return matches ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    FORMATETC offered = Offered();
    return direction == DATADIR_GET ? SHCreateStdEnumFmtEtc(1, &offered, formats) : E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  FORMATETC Offered() const {
    return {static_cast<CLIPFORMAT>(offersFiles_ ? CF_HDROP : CF_TEXT), nullptr, DVASPECT_CONTENT,
            -1, TYMED_HGLOBAL};
  }

  bool offersFiles_;
  std::wstring names_;  // each name ends in a NUL, the list in one more
};
