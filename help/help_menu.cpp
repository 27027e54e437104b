// Help: the help file beside the program, and the about box.
#include "app/form1.h"
#include "help/about_box.h"

namespace vantiro {

// A missing help file is the help viewer's to report.
void Form1::mnuHowTo_Click() { window_->ShowHelp(HelpFile(), kHelpContents); }

// Modal: nothing covers it while it is up, and the option applies again
// once it has gone.
void Form1::mnuAbout_Click() {
  ClearAllTopMost();
  FrmAboutBox box(ws_, fs_);
  box.Form_Load();
  box.window().ShowModal();
  ApplyTopMost();
}

std::string Form1::HelpFile() const { return ProgramDir + "HowTo.hlp"; }

}  // namespace vantiro
