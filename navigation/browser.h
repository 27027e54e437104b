// The folder boxes and the file list of the main window. They draw the
// chain of folders and turn the user's clicks, presses and drops into steps
// on it. What reaches beyond the lists (the window's layout and timer, the
// configuration, the commands of the FILE and FOLDER menus) the main window
// does, as the Host.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "navigation/folder_chain.h"
#include "navigation/folder_loader.h"
#include "platform/window_system.h"
#include "preview/previews.h"
#include "settings/config.h"
#include "settings/options.h"
#include "settings/program.h"
#include "settings/settings_files.h"

namespace vantiro {

class Browser final : private FolderLoader::Listener {
 public:
  class Host {
   public:
    virtual void ResizeWindow() = 0;
    virtual void SetTimer1Enabled(bool enabled) = 0;
    virtual void WakeTimer1() = 0;
    virtual void Config_Save() = 0;
    virtual void Config_Load() = 0;
    virtual void CopyFile(const std::string& source, const std::string& destFolder) = 0;
    virtual void mnuFileOpen_Click() = 0;
    virtual void mnuExplore_Click() = 0;

   protected:
    ~Host() = default;
  };

  Browser(WindowSystem& ws, FileSystem& fs, Window& main, Host& host, Previews& previews,
          SettingsFiles& files, const Options& options, const Appearance& appearance);
  ~Browser();

  const FolderChain& chain() const { return chain_; }
  ListBox& Dir(int index) { return *dirs_.at(static_cast<std::size_t>(index)); }
  int DirCount() const { return static_cast<int>(dirs_.size()); }
  ListBox& Files() { return *files_; }

  // The folder boxes.
  void LoadDir0();
  void SetHorizontalExtent(int index);
  int IsFolderOk();
  void ResetCurrentDir();
  void Refresh_All();
  void mnuRefresh_Click() { Refresh_All(); }
  // Opens the folder of box index's selection; its entries come in the
  // background.
  void Dir_Click(int index);
  // Shows what changed in a folder the chain shows: it is read again.
  void ReadAgain(const std::string& folder);
  // For a folder that went: the chain closes back to the one that held it.
  void CloseCurrentFolder();
  // True while a folder the chain shows is being read.
  bool Listing() const;
  void Dir_DblClick() { host_.mnuExplore_Click(); }
  void Dir_MouseDown(int index, const MouseEvent& event);
  void Dir_MouseMove(int index, const MouseEvent& event);
  void Dir_DragOver(int index);
  void Dir_DragDrop(int index, const DragEvent& event);
  void Dir_OLEDragDrop(int index, const std::vector<std::string>& files);
  // Keys and typing the boxes and the file list take from their list
  // boxes; false leaves a key to the list box.
  bool Dir_KeyDown(int index, const KeyEvent& event) { return KeyDown(index, event); }
  bool Files_KeyDown(const KeyEvent& event) { return KeyDown(kFileList, event); }
  bool Dir_KeyPress(int index, const KeyEvent& event) { return TypeAhead(index, event); }
  bool Files_KeyPress(const KeyEvent& event) { return TypeAhead(kFileList, event); }
  void ShowHtmlList();
  // Opens a saved chain again, box by box as each folder is read, as clicks
  // would; it stops silently where the disk no longer matches, and a click
  // meanwhile ends it. Until it ends, Restoring is the chain it opens: what
  // a save keeps.
  void Restore(SavedChain chain);
  const SavedChain* Restoring() const { return restoring_ ? &restoring_->chain : nullptr; }
  // Selects an entry again as the user would, which opens it when it was
  // not selected; false when the box has no such entry.
  bool Reselect(int index, int entry, const std::string& text);

  // The file list.
  void SetFilesHorizontalExtent();
  void mnuFilters_Click();
  void Files_Click();
  void Files_DblClick() { host_.mnuFileOpen_Click(); }
  void Files_MouseDown(const MouseEvent& event);
  void Files_MouseMove(const MouseEvent& event);
  void Files_DragOver(const DragEvent& event);
  int Files_OLEDragOver(bool offersFiles, int effects);
  void Files_OLEDragDrop(const std::vector<std::string>& files);
  // A press on a line of the HTML files window: its HTML file is selected.
  void Titles_MouseDown(int row, int button);
  // Selects a file as a click would, previewing it when it was not selected.
  void SelectFile(int row);

  // The favourites, box 0's entries after the separator.
  void Favorites_Load();
  void Favorites_Save();
  void SetFavorites(std::vector<std::string> favorites);
  void mnuAdd_Click();
  void mnuRemoveFavorites_Click();
  void mnuResetFavorites_Click();

 private:
  // The folder being opened by a click, for the question when it fails.
  struct Opening {
    int box = -1, entry = -1;
    std::string path, caption;
  };

  void Open(int index);
  bool ReselectFile(int entry, const std::string& text);
  // The next step of the restore, once the folder it opened last is read.
  void RestoreNext();
  // What the loader finds.
  void Batch(const std::string& path, const ReadNames& read) override;
  void Listed(FolderListing listing) override;
  void Titled(const std::string& path, std::vector<std::string> titles) override;
  void Unwatched(const std::string& path) override;
  void Opened(const ChainChange& change);
  bool AskRetry(const std::string& path);
  void Lost(const ChainChange& change);
  // Box index ends the chain, with nothing selected; its folder is read again.
  void CloseTo(int index);
  void Draw(const ChainChange& change);
  // The caption, the menus and the window's width as the chain now stands:
  // every change of the chain ends here, whichever way it came.
  void ShowChainState();
  // "Vantiro! - " and the row of what box index's selection opens.
  std::string Caption(int index) const;
  // Reads again and watches exactly the folders the chain shows.
  void FollowShown();

  bool KeyDown(int list, const KeyEvent& event);
  void EnterNext(int index);
  bool TypeAhead(int list, const KeyEvent& event);
  int LastRow(int list) const;
  void ChooseRow(int list, int row);

  void CreateDirBox();
  void ShowBoxesInUse();
  void ShowChainEnd();
  void PlaceFiles();
  void DrawBox(int index, int top = -1);
  void DrawFiles(int top = -1);
  // Rows of a list: a box's index, or the file list.
  static constexpr int kFileList = -1;
  ListBox& ListOf(int list);
  const std::vector<std::string>* RowsOf(int list) const;
  int SelectedRow(int list) const;
  void DrawRows(int list, int top);
  void EndRows(int list, int top);
  int RowAt(const ListBox& box, Twips y) const;
  static std::int32_t Extent(Twips widest);
  std::int32_t HorizontalExtent(const std::vector<std::string>& texts) const;
  std::int32_t Dir0Extent();
  void TakeFocusBack();

  WindowSystem& ws_;
  FileSystem& fs_;
  Window& main_;
  Host& host_;
  Previews& previews_;
  SettingsFiles& settingsFiles_;
  const Options& options_;
  const Appearance& look_;
  FolderChain chain_;
  std::vector<std::unique_ptr<ListBox>> dirs_;  // LastLoadedBox + 1 of them
  std::unique_ptr<ListBox> files_;
  struct {
    std::vector<std::string> texts;
    std::int32_t widest = 0;
  } measuredFavorites_;
  Opening opening_;
  int pressOpened_ = -1;  // the box whose entry the last press opened
  struct {
    int list = kFileList - 1;  // none yet
    std::string text;
    std::uint32_t time = 0;
  } typing_;  // the letters typed in a row, and the list they were typed in
  FolderLoader loader_{ws_, fs_, chain_, *this};
  struct ChainRestore {
    SavedChain chain;
    std::size_t next = 0;  // the box to select again next
  };
  std::optional<ChainRestore> restoring_;
  bool unwatchedSaid_ = false;
};

}  // namespace vantiro
