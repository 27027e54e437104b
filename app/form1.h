// The main window: a row of folder boxes followed by the file list, its menu
// bar, and every value the browser shares. Its procedures live in the folder
// of their subsystem: start-up and layout in app/, the folder boxes in
// navigation/, the options and settings files in settings/.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/menu_names.h"
#include "platform/file_system.h"
#include "platform/window_system.h"
#include "preview/html_window.h"
#include "preview/picture_viewer.h"
#include "preview/player_window.h"
#include "settings/size_colors.h"

namespace vantiro {

inline constexpr const char* kAppTitle = "Vantiro! v2.10";
inline constexpr const char* kCaption = "Vantiro!";

// The layout is computed in 64 bits and handed to the window system in 32:
// a folder chain as deep as a path can be fits with room to spare.
Twips ClampTwips(std::int64_t twips);

class TextFileReader;
struct ShellRefusal;

// What Update_Dir reports, with the values the design gives them.
enum class DirStatus { Opened = 0, Failed = 2, NoSubFolders = 7 };

class Form1 {
 public:
  Form1(WindowSystem& ws, FileSystem& fs);
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Loads the window and shows it.
  void Start();

  // Start-up and shut-down.
  void Form_Load();
  void Form_Unload();
  void mnuExit_Click();

  // Pane layout and animation.
  void ResizeWindow();
  void Form_Resize();
  void Timer1_Timer();
  void mnuReduce_Click();
  void mnuRestore_Click();
  void mnuTopMost_Click();
  void ApplyTopMost();
  void SetAllTopMost();
  void ClearAllTopMost();

  // Folder boxes.
  void LoadDir0();
  DirStatus Update_Dir(int index, const std::string& path);
  void SetHorizontalExtent(int index);
  int IsFolderOk();
  void ResetCurrentDir();
  void Refresh_All();
  void mnuRefresh_Click();
  void Dir_Click(int index);
  void Dir_MouseDown(int index, const MouseEvent& event);
  void Dir_MouseMove(int index, const MouseEvent& event);
  void Dir_DragOver(int index);
  void Dir_DragDrop(int index, const DragEvent& event);
  void Dir_OLEDragDrop(int index, const std::vector<std::string>& files);
  void ShowHtmlList();

  // The file list and the filter.
  bool Update_Files(int index, const std::string& path);
  void mnuFilters_Click();
  void ClearHtmlList();
  void AddHtmlTitle(const std::string& fullPath, std::deque<std::string>& titles);
  void SetFilesHorizontalExtent();
  void Files_Click();
  void Files_MouseDown(const MouseEvent& event);
  void Files_MouseMove(const MouseEvent& event);
  void Files_DragOver(const DragEvent& event);
  int Files_OLEDragOver(bool offersFiles, int effects);
  void Files_OLEDragDrop(const std::vector<std::string>& files);

  // Previews.
  void ShowPicture(const std::string& fileName, const std::string& fullPath);
  void ShowMultimedia(const std::string& fileName, const std::string& fullPath);

  // File commands.
  void mnuFileOpen_Click();
  void Files_DblClick();
  void mnuFileRename_Click();
  void mnuFileDelete_Click();
  void mnuFileRecycleBin_Click();
  void mnuFileOpenWith_Click();
  void mnuFileProperties_Click();
  void ShowProperties(const std::string& path, std::uintptr_t ownerWindow);

  // Folder commands.
  void mnuExplore_Click();
  void Dir_DblClick();
  void mnuNewWindow_Click();
  void mnuFolderRecycleBin_Click();
  void mnuFolderProperties_Click();

  // Copy and paste.
  void mnuCopy_Click();
  void mnuPaste_Click();
  void CopyFile(const std::string& source, const std::string& destFolder);

  // Options and the settings files.
  void mnuRememberPath_Click();
  void mnuAnimation_Click();
  void mnuAutoPlay_Click();
  void mnuReset_Click();
  void Config_Save();
  void Config_Load();
  void Favorites_Save();
  void Favorites_Load();
  void mnuAdd_Click();
  void mnuRemoveFavorites_Click();
  void mnuResetFavorites_Click();
  void mnuSizeColors_Click();

  // Help.
  void mnuHowTo_Click();
  void mnuAbout_Click();
  std::string HelpFile() const;

  // Program-wide values and fields of the main window.
  std::string ProgramDir;
  std::int16_t BoxesWidth = 1200;
  std::int16_t ActiveBoxWidth = 1800;
  Color FoldersBackColor = 0x00FFFFFF;
  Color FilesBackColor = 0x80000014;
  int LastLoadedBox = -1;
  int LastBox = 0;
  bool Reduced = false;
  std::int32_t NormalHeight = 0;
  std::string CurrentFolder;         // the hidden text box: the folder last opened
  std::string File1Pattern = "*.*";  // the file filter
  std::string FilesTag;              // the folder the file list shows
  // The Recycle Bin's request to the shell, kept from one use to the next;
  // no owner window.
  ShellFileOperation FileOp;

  // Controls.
  Window& window() { return *window_; }
  ListBox& Dir(int index) { return *dirs_.at(static_cast<std::size_t>(index)).box; }
  const ListBox& Dir(int index) const { return *dirs_.at(static_cast<std::size_t>(index)).box; }
  const std::string& DirTag(int index) const {
    return dirs_.at(static_cast<std::size_t>(index)).tag;
  }
  int DirCount() const { return static_cast<int>(dirs_.size()); }
  ListBox& Files() { return *files_; }
  // The row under the pointer in a list of the main window's font, from
  // its first visible entry; past the last entry for a press below them.
  int RowAt(const ListBox& box, Twips y) const;
  // The HTML files window, the picture viewer and the player, each made
  // (hidden) on first use.
  FrmHtml& frmHTML();
  Form2& form2();
  Form3& form3();
  // The size and colours dialog while it is open; nullptr otherwise.
  Form4* form4() { return form4_ && !form4_->unloaded() ? form4_.get() : nullptr; }
  // Whether the program has switched Timer1 on (the timer itself sleeps
  // while no box has to move).
  bool Timer1Enabled() const { return timer1Enabled_; }

 private:
  struct FolderBox {
    std::unique_ptr<ListBox> box;
    std::string tag;  // the folder listed, ending in "\"; empty for box 0
  };

  std::vector<MenuItem> DesignMenuBar();
  // The current folder followed by the file selected in the list; nullopt
  // when none is.
  std::optional<std::string> SelectedFilePath() const;
  // Whether the shell may have a path; when the gate refused it, the user
  // hears why it cannot be <action>.
  bool ShellTakes(const std::string& path, const std::optional<ShellRefusal>& refusal,
                  std::string_view action);
  void Recycle(const std::string& path, const std::optional<ShellRefusal>& refusal);
  void CopyExactly(const std::string& source, const std::string& target);
  std::int32_t HorizontalExtent(const std::vector<std::string>& texts) const;
  std::int32_t Dir0Extent();
  void HideHtmlList();
  std::array<Window*, 4> TopMostWindows();
  void Preview(const std::string& fileName, const std::string& fullPath);
  void TakeFocusBack();
  void DockPlayer();
  void HidePictureViewer();
  void HidePlayer(bool evenPlaying);
  void CreateDirBox();
  void ShowBoxesInUse();
  void SetTimer1Enabled(bool enabled);
  void WakeTimer1();
  bool AnyBoxMoving();
  Twips AnimationStep() const;
  Twips FrameHeight() const;
  void KeepActiveBoxOnScreen();
  Twips FrameWidth() const;
  std::string ConfigText() const;
  bool LoadConfig();
  bool LoadSettings(TextFileReader& file);
  void RestorePath(TextFileReader& file, int lastBox);
  void ShowFirstRunWelcome();
  std::span<const std::string> Favorites() const;  // box 0's entries after the separator
  std::string FavoritesText() const;
  void AppendFavorites(std::vector<std::string> favorites);
  void KeepUnsavedFavorites();
  bool SaveSettingsFile(const std::string& name, const std::string& contents);
  std::optional<std::string> ReadSettingsFile(const std::string& name) const;

  WindowSystem& ws_;
  FileSystem& fs_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<ListBox> files_;
  std::vector<FolderBox> dirs_;
  std::unique_ptr<Timer> timer1_;
  std::unique_ptr<FrmHtml> frmHTML_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form3> form3_;
  std::unique_ptr<Form4> form4_;
  bool timer1Enabled_ = false;
  int driveCount_ = 0;  // the drives at the top of box 0
  struct {
    std::vector<std::string> texts;
    std::int32_t widest = 0;
  } measuredFavorites_;
  // Settings files that could not be written, by name: read back in their
  // place until the end of the run.
  std::map<std::string, std::string> unsaved_;
};

}  // namespace vantiro
