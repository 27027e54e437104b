#include "commands/open_with.h"

#include <algorithm>

#include "chain/names.h"

namespace vantiro {
namespace {

constexpr Twips kMargin = 120;
constexpr Twips kClientWidth = 5400;
constexpr Twips kClientHeight = 3600;
constexpr Twips kButtonWidth = 1215;
constexpr Twips kButtonHeight = 375;
constexpr const char* kTitle = "Open with";

void Place(Control& control, Twips left, Twips top, Twips width, Twips height) {
  control.Move(left, top, width, height);
  control.SetVisible(true);
}

}  // namespace

FrmOpenWith::FrmOpenWith(WindowSystem& ws, FileSystem& fs, std::string file)
    : ws_(ws), fs_(fs), file_(std::move(file)) {
  window_ =
      ws_.CreateTopWindow({kTitle, WindowKind::FixedDialog, kClientWidth, kClientHeight, {}}, {});
  const Twips inner = kClientWidth - 2 * kMargin;
  const Twips buttonsTop = kClientHeight - kMargin - kButtonHeight;
  label1_ = window_->CreateLabel("Choose the program to open '" + NameOf(file_) + "' with:");
  Place(*label1_, kMargin, kMargin, inner, 480);
  ListBox::Events listEvents;
  listEvents.dblClick = [this] { cmdOK_Click(); };
  list1_ = window_->CreateListBox(std::move(listEvents));
  Place(*list1_, kMargin, 720, inner, buttonsTop - kMargin - 720);
  programs_ = fs_.ProgramsFor(file_);
  list1_->SetItems(programs_);
  if (!programs_.empty()) list1_->Select(0);
  cmdBrowse_ =
      window_->CreateButton("Browse...", ButtonRole::Plain, {[this] { cmdBrowse_Click(); }});
  cmdOK_ = window_->CreateButton("OK", ButtonRole::Default, {[this] { cmdOK_Click(); }});
  cmdCancel_ = window_->CreateButton("Cancel", ButtonRole::Cancel, {[this] { window_->Hide(); }});
  Place(*cmdBrowse_, kMargin, buttonsTop, kButtonWidth, kButtonHeight);
  Place(*cmdOK_, kClientWidth - 2 * (kMargin + kButtonWidth), buttonsTop, kButtonWidth,
        kButtonHeight);
  Place(*cmdCancel_, kClientWidth - kMargin - kButtonWidth, buttonsTop, kButtonWidth,
        kButtonHeight);
}

// The chosen program joins the list, selected.
void FrmOpenWith::cmdBrowse_Click() {
  const std::optional<std::string> program =
      window_->ChooseFile("Choose a program", "Programs", "*.exe");
  if (!program) return;
  const auto found = std::find(programs_.begin(), programs_.end(), *program);
  const int index = static_cast<int>(found - programs_.begin());  // the end: the new one's
  if (found == programs_.end()) {
    programs_.push_back(*program);
    list1_->SetItems(programs_);
  }
  list1_->Select(index);
}

void FrmOpenWith::cmdOK_Click() {
  const int selected = list1_->Selected();
  if (selected < 0 || selected >= std::ssize(programs_)) return;
  const std::string program = programs_[static_cast<std::size_t>(selected)];
  if (!fs_.StartProgram("\"" + program + "\" \"" + file_ + "\"")) {
    ws_.MsgBox("Unable to start '" + program + "'.", msgbox::kOkOnly | msgbox::kExclamation,
               kTitle);
    return;
  }
  window_->Hide();
}

}  // namespace vantiro
