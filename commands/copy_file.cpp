// Copying one file into a folder through the shell's copy engine, after the
// user confirms it.
#include "app/form1.h"

namespace vantiro {
namespace {

constexpr unsigned kFoCopy = 2;
constexpr unsigned kFofSimpleProgress = 0x100;
constexpr unsigned kFofFilesOnly = 0x80;

}  // namespace

void Form1::CopyFile(const std::string& source, const std::string& destFolder) {
  const std::string question = "Source file :   " + source + "\r" +
                               "Destination folder :   " + destFolder + "\r\r" +
                               "Do you want to continue ?";
  if (ws_.MsgBox(question, msgbox::kYesNo | msgbox::kQuestion, "Confirm ?") != msgbox::kYes) return;
  const ShellFileResult result = fs_.RunShellFileOperation(
      {window_->SystemHandle(), kFoCopy, source, destFolder, kFofSimpleProgress | kFofFilesOnly});
  if (result.code != 0) return;  // the shell has said what went wrong
  if (result.aborted) ws_.MsgBox("Operation Failed", msgbox::kOkOnly, kAppTitle);
  Refresh_All();
}

}  // namespace vantiro
