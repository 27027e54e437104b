#include "preview/details_window.h"

#include <algorithm>

namespace vantiro {
namespace {

constexpr Twips kDesignClientWidth = 4800;
constexpr Twips kDesignClientHeight = 3600;
constexpr Twips kMargin = 60;

}  // namespace

FrmDetails::FrmDetails(WindowSystem& ws) {
  Window::Events events;
  events.resize = [this] { Form_Resize(); };
  events.unload = [this] { unloaded_ = true; };
  window_ = ws.CreateTopWindow(
      {"Details", WindowKind::SizableToolWindow, kDesignClientWidth, kDesignClientHeight, {}},
      std::move(events));
  lblSize_ = window_->CreateLabel("");
  lblChanged_ = window_->CreateLabel("");
  txtLines_ = window_->CreateTextBlock();
  for (Label* part : {lblSize_.get(), lblChanged_.get()}) part->SetVisible(true);
  Form_Resize();
}

// The two lines of facts on top; the text takes the rest.
void FrmDetails::Form_Resize() {
  const Twips line = window_->TextHeight("A");
  const Twips width = std::max(0, window_->ClientWidth() - 2 * kMargin);
  lblSize_->Move(kMargin, kMargin, width, line);
  lblChanged_->Move(kMargin, kMargin + line, width, line);
  const Twips top = 2 * (kMargin + line);
  txtLines_->Move(0, top, window_->ClientWidth(), std::max(0, window_->ClientHeight() - top));
}

void FrmDetails::Show(const FileDetails& details) {
  window_->SetCaption(details.name);
  lblSize_->SetCaption(details.facts ? SizeText(details.facts->size) : "Size unknown");
  lblChanged_->SetCaption(details.facts ? "Changed " + ChangedText(*details.facts) : "");
  txtLines_->SetCaption(details.text.value_or(""));
  txtLines_->SetVisible(details.text.has_value());
  window_->Show();
}

}  // namespace vantiro
