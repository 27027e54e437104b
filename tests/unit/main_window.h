// A started main window on drives mapped onto temporary folders.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/form1.h"
#include "tests/doubles/fake_window_system.h"
#include "tests/doubles/temp_drives.h"

namespace vantiro {

inline constexpr const char* kProgramDir = "c:\\vantiro\\";

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    drives.AddDrive('c');
    drives.AddDrive('z');
    drives.MakeFolders("c:\\vantiro");
  }

  // Starts the program as the drives hold it.
  Form1& Launch() {
    form = std::make_unique<Form1>(ws, ws, drives, ws);
    form->Start();
    Settle();  // the remembered folders, read
    return *form;
  }
  // Starts it and forgets the first-run welcome: most tests are about what
  // comes after.
  Form1& Start() {
    Launch();
    ws.messages.clear();
    return *form;
  }

  const FolderChain& chain() { return form->browser().chain(); }
  fake::FakeWindow& main() { return ws.window(0); }
  fake::FakeListBox& box(int index) {
    return static_cast<fake::FakeListBox&>(form->browser().lists().Dir(index));
  }
  fake::FakeListBox& files() {
    return static_cast<fake::FakeListBox&>(form->browser().lists().Files());
  }
  fake::FakeListBox& titles() {
    return static_cast<fake::FakeListBox&>(form->previews().frmHTML().List1());
  }
  fake::FakeTimer& timer1() { return ws.timer(0); }
  const std::string& said() const { return ws.messages.back().text; }

  // Clicks an entry of a folder box, or a file, as the user does, and lets
  // the folders it opens come in.
  void Click(int index, const std::string& entry) { Click(box(index), entry); }
  void ClickFile(const std::string& name, int keys = 0) { Click(files(), name, keys); }
  void Click(fake::FakeListBox& list, const std::string& entry, int keys = 0) {
    const auto& items = list.Items();
    const auto found = std::find(items.begin(), items.end(), entry);
    ASSERT_NE(found, items.end()) << "no entry '" << entry << "'";
    list.UserClick(static_cast<int>(found - items.begin()), keys);
    Settle();
  }
  // A press with a button on a row of a list (the first shown is row 0).
  void Press(fake::FakeListBox& list, int button, int row) {
    list.Press({button, 0, 100, row * fake::kRowHeight + 5});
    Settle();
  }
  // Runs what the window's loop would: the readings' and watches' posts.
  void Settle() {
    using std::chrono::milliseconds;
    while (ws.RunPosted(milliseconds(form->browser().Listing() ? 5000 : 0))) {
    }
  }

  fake::FakeWindowSystem ws;
  fake::TempDrives drives;
  std::unique_ptr<Form1> form;
};

}  // namespace vantiro
