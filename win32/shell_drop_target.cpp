#include "win32/shell_drop_target.h"

#include <shlobj.h>

#include "platform/control.h"
#include "win32/data_object.h"

#include <utility>

namespace vantiro::win32 {
namespace {

// The shift keys as the program's handlers take them.
int ShiftKeys(DWORD keys) {
  return (keys & MK_SHIFT ? kShiftKey : 0) | (keys & MK_CONTROL ? kCtrlKey : 0) |
         (keys & MK_ALT ? kAltKey : 0);
}

}  // namespace

ShellDropTarget::ShellDropTarget(OverHandler over, DropHandler drop)
    : over_(std::move(over)), drop_(std::move(drop)) {}

ComPtr<ShellDropTarget> ShellDropTarget::Create(OverHandler over, DropHandler drop) {
  return ComPtr<ShellDropTarget>(new ShellDropTarget(std::move(over), std::move(drop)));
}

void ShellDropTarget::Detach() {
  over_ = {};
  drop_ = {};
}

HRESULT ShellDropTarget::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid != IID_IUnknown && iid != IID_IDropTarget) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IDropTarget*>(this);
  AddRef();
  return S_OK;
}

ULONG ShellDropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG ShellDropTarget::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

DWORD ShellDropTarget::Allowed(DWORD effects, DWORD keys) const {
  if (!drop_) return DROPEFFECT_NONE;  // detached
  if (!over_) return effects;
  return static_cast<DWORD>(over_(offersFiles_, static_cast<int>(effects), ShiftKeys(keys)));
}

HRESULT ShellDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL, DWORD* effect) {
  offersFiles_ = OffersFiles(data);
  *effect = Allowed(*effect, keys);
  return S_OK;
}

HRESULT ShellDropTarget::DragOver(DWORD keys, POINTL, DWORD* effect) {
  *effect = Allowed(*effect, keys);
  return S_OK;
}

HRESULT ShellDropTarget::DragLeave() {
  offersFiles_ = false;
  return S_OK;
}

// The effect is asked once more, as for a last move: a drop it refuses
// brings nothing.
HRESULT ShellDropTarget::Drop(IDataObject* data, DWORD keys, POINTL, DWORD* effect) {
  offersFiles_ = OffersFiles(data);
  const DWORD chosen = offersFiles_ ? Allowed(*effect, keys) : DROPEFFECT_NONE;
  *effect = chosen == DROPEFFECT_MOVE ? DROPEFFECT_NONE : chosen;
  if (chosen == DROPEFFECT_MOVE) SetDword(data, CFSTR_PERFORMEDDROPEFFECT, DROPEFFECT_NONE);
  if (chosen != DROPEFFECT_NONE) {
    const DropHandler drop = drop_;  // the handler may end the box
    drop(DroppedFiles(data), static_cast<int>(chosen));
  }
  offersFiles_ = false;
  return S_OK;
}

}  // namespace vantiro::win32
