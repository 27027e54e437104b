#include "preview/html_window.h"

namespace vantiro {
namespace {

constexpr Twips kDesignClientWidth = 1560;
constexpr Twips kDesignClientHeight = 1275;

}  // namespace

FrmHtml::FrmHtml(WindowSystem& ws) {
  MenuItem close;
  close.name = "mnuClose";
  close.caption = "Close";
  close.click = [this] { mnuClose_Click(); };
  Window::Events events;
  events.resize = [this] { Form_Resize(); };
  events.unload = [this] { unloaded_ = true; };
  window_ = ws.CreateTopWindow({"HTML files",
                                WindowKind::SizableToolWindow,
                                kDesignClientWidth,
                                kDesignClientHeight,
                                {close}},
                               std::move(events));
  list1_ = window_->CreateListBox({});
  list1_->SetWidth(kDesignClientWidth);
  list1_->SetHeight(kDesignClientHeight);
  list1_->SetVisible(true);
}

// Only the width follows the user: the height snaps back to the list's.
void FrmHtml::Form_Resize() {
  if (!window_ || !list1_) return;
  list1_->SetWidth(window_->ClientWidth());
  window_->SetHeight(window_->Height() - window_->ClientHeight() + list1_->Height());
}

}  // namespace vantiro
