// Files dropped from the shell: the list box's OLE drop target, called the
// way OLE calls it, with a data object built here as the shell builds one.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <ostream>

#include "win32/list_box.h"
#include "win32/top_window.h"
#include "win32/window_system.h"

namespace vantiro::win32 {
namespace {

std::wstring Wide(const std::string& utf8) {
  std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(
                        CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0)),
                    L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                      static_cast<int>(wide.size()));
  return wide;
}

// A DROPFILES block: the names one after another, each ending in NUL, then
// one NUL more; wide as Wine's desktop drops are, or in the ANSI code page.
template <typename Char>
HGLOBAL DropFiles(const std::vector<std::basic_string<Char>>& names) {
  std::basic_string<Char> list;
  for (const auto& name : names) list += name + Char{};
  list += Char{};
  const std::size_t bytes = list.size() * sizeof(Char);
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = sizeof(Char) == sizeof(wchar_t);
  std::memcpy(header + 1, list.data(), bytes);
  GlobalUnlock(memory);
  return memory;
}

enum class Offer { WideFiles, AnsiFiles, TextOnly };

// Offers CF_HDROP (a fresh copy for each GetData, freed by the taker) or,
// for TextOnly, CF_TEXT alone. Lives on the stack: references are not
// counted.
class FakeDataObject final : public IDataObject {
 public:
  FakeDataObject(Offer offer, std::vector<std::string> files)
      : offer_(offer), files_(std::move(files)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IUnknown || iid == IID_IDataObject ? this : nullptr;
    return *object != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK || offer_ == Offer::TextOnly) return DV_E_FORMATETC;
    *medium = {};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = offer_ == Offer::AnsiFiles ? DropFiles(files_) : DropFiles(WideFiles());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    const CLIPFORMAT offered = offer_ == Offer::TextOnly ? CF_TEXT : CF_HDROP;
    const bool matches = format->cfFormat == offered && format->dwAspect == DVASPECT_CONTENT &&
                         (format->tymed & TYMED_HGLOBAL) != 0;
    return matches ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  std::vector<std::wstring> WideFiles() const {
    std::vector<std::wstring> wide;
    for (const std::string& file : files_) wide.push_back(Wide(file));
    return wide;
  }

  Offer offer_;
  std::vector<std::string> files_;
};

const std::vector<std::string> kFiles = {"C:\\tmp\\plain.txt", "C:\\tmp\\Ünïcødé 日本.txt",
                                         "C:\\tmp\\&%^ x.txt"};
constexpr DWORD kOffered = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

struct Asked {
  bool offersFiles;
  int effects;
  bool operator==(const Asked&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Asked& asked) {
    return out << "{offersFiles " << asked.offersFiles << ", effects " << asked.effects << "}";
  }
};

class ShellDropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = ws.CreateTopWindow(
        {"Vantiro drop test", WindowKind::SizableToolWindow, 3000, 3000, {}}, {});
    box = window->CreateListBox(DropEvents());
  }

  ListBox::Events DropEvents() {
    ListBox::Events events;
    events.shellDragOver = [this](bool offersFiles, int effects) {
      asked.push_back({offersFiles, effects});
      return answer;
    };
    events.shellDrop = [this](const std::vector<std::string>& files) { drops.push_back(files); };
    return events;
  }

  static ListBoxControl& Control(ListBox& box) { return static_cast<ListBoxControl&>(box); }

  Win32WindowSystem ws;
  std::unique_ptr<Window> window;
  std::unique_ptr<ListBox> box;
  int answer = kDropNone;  // what shellDragOver returns
  std::vector<Asked> asked;
  std::vector<std::vector<std::string>> drops;
};

TEST_F(ShellDropTest, RegistersOnlyABoxWithAShellDropHandler) {
  auto plain = window->CreateListBox({});
  EXPECT_EQ(Control(*plain).shellDropTarget(), nullptr);
  ASSERT_NE(Control(*box).shellDropTarget(), nullptr);
  auto other = ShellDropTarget::Create({}, [](const std::vector<std::string>&) {});
  EXPECT_EQ(RegisterDragDrop(Control(*box).handle(), other.get()), DRAGDROP_E_ALREADYREGISTERED);
  EXPECT_EQ(RegisterDragDrop(Control(*plain).handle(), other.get()), S_OK);
  EXPECT_EQ(RevokeDragDrop(Control(*plain).handle()), S_OK);
}

TEST_F(ShellDropTest, AsksTheEffectAndHandsOverTheFilesAsUtf8) {
  const struct {
    const char* name;
    Offer offer;
    int answer;
    std::vector<Asked> asked;  // by DragEnter, DragOver, Drop
    DWORD dropEffect;
    std::vector<std::vector<std::string>> drops;
  } rows[] = {
      {"wide names", Offer::WideFiles, kDropCopy, {{true, 7}, {true, 7}, {true, 7}}, 1, {kFiles}},
      {"ANSI names", Offer::AnsiFiles, kDropCopy, {{true, 7}, {true, 7}, {true, 7}}, 1, {kFiles}},
      {"refused", Offer::WideFiles, kDropNone, {{true, 7}, {true, 7}, {true, 7}}, 0, {}},
      {"no files", Offer::TextOnly, kDropCopy, {{false, 7}, {false, 7}}, 0, {}},
  };
  for (const auto& row : rows) {
    answer = row.answer;
    asked.clear();
    drops.clear();
    FakeDataObject data(row.offer, kFiles);
    IDropTarget* target = Control(*box).shellDropTarget();
    DWORD entered = kOffered;
    DWORD over = kOffered;
    DWORD dropped = kOffered;
    EXPECT_EQ(target->DragEnter(&data, MK_LBUTTON, {10, 10}, &entered), S_OK) << row.name;
    EXPECT_EQ(target->DragOver(MK_LBUTTON, {12, 11}, &over), S_OK) << row.name;
    EXPECT_EQ(target->Drop(&data, 0, {12, 11}, &dropped), S_OK) << row.name;
    EXPECT_EQ(entered, static_cast<DWORD>(row.answer)) << row.name;
    EXPECT_EQ(over, static_cast<DWORD>(row.answer)) << row.name;
    EXPECT_EQ(dropped, row.dropEffect) << row.name;
    EXPECT_EQ(asked, row.asked) << row.name;
    EXPECT_EQ(drops, row.drops) << row.name;
  }
}

// OLE's reference goes with the window, and one kept elsewhere reaches no
// handler of the program.
TEST_F(ShellDropTest, RevokesTheTargetBeforeTheWindowGoes) {
  for (const bool closeWindow : {false, true}) {
    box = window->CreateListBox(DropEvents());
    IDropTarget* target = Control(*box).shellDropTarget();
    target->AddRef();
    if (closeWindow) {
      window->Close();
    } else {
      box.reset();
    }
    FakeDataObject data(Offer::WideFiles, kFiles);
    answer = kDropCopy;
    DWORD effect = kOffered;
    target->DragEnter(&data, MK_LBUTTON, {10, 10}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << closeWindow;
    effect = kOffered;
    target->Drop(&data, 0, {10, 10}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << closeWindow;
    EXPECT_TRUE(asked.empty()) << closeWindow;
    EXPECT_TRUE(drops.empty()) << closeWindow;
    EXPECT_EQ(target->Release(), 0u) << "no reference left elsewhere; " << closeWindow;
  }
}

}  // namespace
}  // namespace vantiro::win32
