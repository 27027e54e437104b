// The OLE drop target of a list box that takes files from the shell: it
// asks the box's handlers which effect to allow and hands them the files.
// A move is the program's own (an optimized move): the drag's source is
// told that nothing is left for it to delete.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win32/handles.h"

namespace vantiro::win32 {

class ShellDropTarget final : public IDropTarget {
 public:
  using OverHandler = std::function<int(bool offersFiles, int effects, int keys)>;
  using DropHandler = std::function<void(const std::vector<std::string>& files, int effect)>;

  // Without an over handler every effect offered is allowed.
  static ComPtr<ShellDropTarget> Create(OverHandler over, DropHandler drop);

  // The box is going: a reference kept elsewhere reaches no handler again.
  void Detach();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  ShellDropTarget(OverHandler over, DropHandler drop);
  ~ShellDropTarget() = default;
  DWORD Allowed(DWORD effects, DWORD keys) const;

  OverHandler over_;
  DropHandler drop_;
  bool offersFiles_ = false;  // of the data being dragged over the box
  LONG references_ = 1;
};

}  // namespace vantiro::win32
