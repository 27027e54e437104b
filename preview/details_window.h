// "Details": where a picture would show, the name, size and last change of
// any other file, and the first lines of a text file. It stands flush right
// of the main window; closed with its close box it is unloaded.
#pragma once

#include <memory>

#include "platform/window_system.h"
#include "preview/file_details.h"

namespace vantiro {

class FrmDetails {
 public:
  explicit FrmDetails(WindowSystem& ws);

  Window& window() { return *window_; }
  bool unloaded() const { return unloaded_; }
  Label& lblSize() { return *lblSize_; }
  Label& txtLines() { return *txtLines_; }
  void Show(const FileDetails& details);

 private:
  void Form_Resize();

  std::unique_ptr<Window> window_;
  std::unique_ptr<Label> lblSize_, lblChanged_;
  std::unique_ptr<Label> txtLines_;
  bool unloaded_ = false;
};

}  // namespace vantiro
