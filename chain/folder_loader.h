// The life of every folder the chain shows, apart from the window: each is
// read through the executor, in batches, then whole, then the titles of its
// HTML files; read again when it changes, or when the program changed it,
// but after a pause that follows its last reading (a copy into it changes
// it many times a second, and as many readings would slow the copy down);
// watched while it is shown, and watched anew when another program
// replaces it; let go when no longer shown. What it finds it reports to its
// listener on the window's thread. It shows nothing, and nothing in it
// waits for a folder.
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "chain/folder_chain.h"
#include "chain/folder_reading.h"
#include "platform/executor.h"

namespace vantiro {

class FolderLoader {
 public:
  class Listener {
   public:
    // Names of a folder read so far, before its whole listing.
    virtual void Batch(const std::string& path, const ReadNames& names) = 0;
    virtual void Listed(FolderListing listing) = 0;
    virtual void Titled(const std::string& path, std::vector<std::string> titles) = 0;
    // Windows cannot watch a folder shown: its changes show after a Refresh.
    virtual void Unwatched(const std::string& path) = 0;
    // The program removed a folder, which the chain may show.
    virtual void Removed(const std::string& path) = 0;

   protected:
    ~Listener() = default;
  };

  // The chain tells which folders are shown, and how a folder is listed.
  FolderLoader(Executor& executor, const FileSystem& fs, const FolderChain& chain);
  FolderLoader(const FolderLoader&) = delete;
  FolderLoader& operator=(const FolderLoader&) = delete;

  // A folder is read again no sooner than this after its last reading
  // ended, nor than ten times as long as that reading took: readings then
  // take at most a tenth of the time while another program changes it.
  static constexpr std::chrono::milliseconds kReadAgainPause{500};

  // True while a folder, or its titles, is being read, or waits to be read
  // again.
  bool Busy() const { return !readings_.empty() || !titling_.empty() || !pausing_.empty(); }
  // Who hears what the loader finds, from now on; nullptr: no one.
  void Listen(Listener* listener) { listener_ = listener; }
  // Reads a folder; a reading of it going on is replaced.
  void Read(const std::string& path);
  // Reads a folder the chain shows again; one being read, after that reading.
  void ReadAgain(const std::string& path);
  // Reads and watches exactly the folders the chain shows; the one being
  // opened is watched once it could be read.
  void FollowShown(const std::string& opening);
  // After a folder was read again: where another program replaced it, or a
  // folder in it, since its watch began, the new folder is watched and read.
  void WatchReplaced(const std::string& folder);
  // A folder the program removed (path ends in "\"): its listener hears it.
  void Removed(const std::string& path);

 private:
  void Done(const std::string& path, FolderListing listing);
  void Titled(const std::string& path, std::vector<std::string> titles, bool all);
  void Watch(const std::string& path);
  void LetGo(const std::function<bool(const std::string&)>& which);

  Executor& executor_;
  const FileSystem& fs_;
  const FolderChain& chain_;
  Listener* listener_ = nullptr;
  using Readings = std::vector<std::unique_ptr<FolderReading>>;
  Readings readings_;                   // one per folder whose names are being read
  Readings titling_;                    // one per folder listed whose titles are being read
  std::vector<std::string> readAgain_;  // changed while being read
  std::map<std::string, std::chrono::steady_clock::time_point> readAgainFrom_;
  std::set<std::string> pausing_;  // to be read again once the pause is over
  std::map<std::string, std::unique_ptr<FolderWatch>> watches_;
  Lifetime lifetime_;  // a reading after a pause comes to nothing once the loader went
};

}  // namespace vantiro
