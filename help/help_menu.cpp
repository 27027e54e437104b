#include "help/help_menu.h"

#include "help/about_box.h"
#include "settings/program.h"

namespace vantiro {

MenuItem HelpMenu::Menu(HandlerOf<HelpMenu> of) {
  return vantiro::Menu("mnuHelp", "Help",
                       {Item("mnuHowTo", "How to...", "F1", Calls(of, &HelpMenu::mnuHowTo_Click)),
                        Separator("mnuNone2"),
                        Item("mnuAbout", "About...", {}, Calls(of, &HelpMenu::mnuAbout_Click))});
}

// A missing help file is the help viewer's to report.
void HelpMenu::ShowManual() {
  if (main_.ShowHelp(programDir_ + "HowTo.hlp", kHelpContents)) return;
  const std::string page = programDir_ + "manual.html";
  if (!fs_.OpenDocument(page)) {
    ws_.MsgBox("Unable to open the manual '" + page + "'.", msgbox::kOkOnly | msgbox::kExclamation,
               kAppTitle);
  }
}

void HelpMenu::mnuAbout_Click() {
  coverable_(false);
  FrmAboutBox box(ws_, fs_);
  box.Form_Load();
  box.window().ShowModal();
  coverable_(true);
}

}  // namespace vantiro
