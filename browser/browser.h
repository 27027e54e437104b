// The folder boxes and the file list of the main window. They draw the
// chain of folders and turn the user's clicks, presses and drops into steps
// on it, or into the commands of the FILE and FOLDER menus; the loader reads
// the folders the chain shows and tells the browser what it found; the
// window takes the layout of the boxes. The configuration, which a refresh
// saves and loads again, is the Host's.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "browser/box_layout.h"
#include "browser/chain_lists.h"
#include "browser/chain_restore.h"
#include "browser/favorite_list.h"
#include "browser/file_clicks.h"
#include "browser/list_drags.h"
#include "browser/list_keys.h"
#include "chain/folder_chain.h"
#include "chain/folder_loader.h"
#include "commands/commands.h"
#include "platform/window_system.h"
#include "preview/previews.h"
#include "settings/config.h"
#include "settings/options.h"
#include "settings/program.h"
#include "settings/settings_files.h"

namespace vantiro {

class Browser final : public FolderSteps, private FolderLoader::Listener {
 public:
  class Host {
   public:
    virtual void Config_Save() = 0;
    virtual void Config_Load() = 0;

   protected:
    ~Host() = default;
  };

  // The browser hears what the loader finds while it lives.
  Browser(WindowSystem& ws, Window& main, FolderChain& chain, FolderLoader& loader,
          Commands& commands, Host& host, BoxLayout::OnTop& onTop, Previews& previews,
          SettingsFiles& files, const Options& options, const Appearance& appearance);
  ~Browser();

  // File's "Refresh".
  static MenuItem RefreshEntry(HandlerOf<Browser> of);

  const FolderChain& chain() const { return chain_; }
  ChainLists& lists() { return lists_; }
  BoxLayout& layout() { return layout_; }
  FavoriteList& favorites() { return favorites_; }
  FileClicks& files() { return files_; }
  ChainRestore& restore() { return restore_; }

  void LoadDir0();
  void ResetCurrentDir();
  void Refresh_All();
  void mnuRefresh_Click() { Refresh_All(); }
  // Opens the folder of box index's selection; its entries come in the
  // background.
  void Dir_Click(int index);
  void Dir_DblClick() { commands_.folder().mnuExplore_Click(); }
  void Dir_MouseDown(int index, const MouseEvent& event);
  // True while a folder the chain shows, or its titles, is being read.
  bool Listing() const { return loader_.Busy(); }
  // Selects an entry again as the user would, which opens it when it was
  // not selected; false when the box has no such entry.
  bool Reselect(int index, int entry, const std::string& text);
  void OpenWhenRead(const std::string& folder, const std::string& name) override {
    toOpen_ = ToOpen{folder, name};
  }
  void FolderRenamed(const std::string& from, const std::string& to) override;

 private:
  // The folder being opened by a click, for the question when it fails.
  struct Opening {
    int box = -1, entry = -1;
    std::string path, caption;
  };

  ChainLists::Events ListEvents();
  void Open(int index);
  // What the loader finds.
  void Batch(const std::string& path, const ReadNames& read) override;
  void Listed(FolderListing listing) override;
  void Titled(const std::string& path, std::vector<std::string> titles) override;
  void Unwatched(const std::string& path) override;
  void Removed(const std::string& path) override;
  void Opened(const ChainChange& change);
  bool AskRetry(const std::string& path);
  void Lost(const ChainChange& change);
  // Once a folder is read again: the sub-folder to open, if there is one.
  void OpenAfterRead(const std::string& path);
  // Box index ends the chain, with nothing selected; its folder is read again.
  void CloseTo(int index);
  // For a folder that went: the chain closes back to the one that held it.
  void CloseCurrentFolder();
  // The caption, the menus and the window's width as the chain now stands:
  // every change of the chain ends here, whichever way it came.
  void ShowChainState();
  // Reads again and watches exactly the folders the chain shows.
  void FollowShown() { loader_.FollowShown(opening_.path); }
  // A row chosen from the keyboard is selected as a click selects it.
  void ChooseRow(int list, int row);
  // F2: the selected file in the file list, a box's selected folder.
  void Rename(int list);

  WindowSystem& ws_;
  Window& main_;
  FolderChain& chain_;
  FolderLoader& loader_;
  Commands& commands_;
  Host& host_;
  Previews& previews_;
  const Options& options_;
  ChainLists lists_;
  BoxLayout layout_;
  FileClicks files_;
  ChainRestore restore_;
  ListKeys keys_;
  ListDrags drags_;
  FavoriteList favorites_;
  Opening opening_;
  int pressOpened_ = -1;  // the box whose entry the last press opened
  struct ToOpen {
    std::string folder, name;
  };
  // A sub-folder to open once its folder is read again: one that went, if
  // it came back after Retry, or one just made.
  std::optional<ToOpen> toOpen_;
  bool unwatchedSaid_ = false;
};

}  // namespace vantiro
