// The command table as a window sees it: complete entries, distinct names and keys, and the
// busy rule over every command.
#include "app/commandtable.h"

#include <map>
#include <set>

#include "templatemain_fixture.h"

namespace kavrin::test {
namespace {

class CommandTable : public TemplateMainTest {
 protected:
  std::vector<TCommand> table = BuildCommandTable(main);
  const TCommand& Entry(const std::string& name) const {
    for (const TCommand& c : table)
      if (c.Name == name) return c;
    throw std::out_of_range(name);
  }
};

TEST_F(CommandTable, EveryEntryIsCompleteAndNamedOnce) {
  std::set<std::string> names;
  for (const TCommand& c : table) {
    EXPECT_TRUE(names.insert(c.Name).second) << c.Name;
    EXPECT_FALSE(c.Caption.empty()) << c.Name;
    EXPECT_FALSE(c.Hint.empty()) << c.Name;
    EXPECT_TRUE(c.Update && c.Execute) << c.Name;
    EXPECT_EQ(c.Submenu.empty() || c.Menu != TCommandMenu::NoMenu, true) << c.Name;
  }
}

TEST_F(CommandTable, WhileBusyOnlyTheStopCommandStaysEnabled) {
  // State under which most commands would be enabled when idle.
  Seed({Draw(1, {1, 2, 3, 4, 5}, 1), Draw(2, {6, 7, 8, 9, 10}, 2), Draw(3, {11, 12, 13, 14, 15}, 3)});
  ASSERT_TRUE(main.CombsGenerate(TGenerateConfig{}, false));
  main.CombsSelection.SelectAll(main.Combs.CombsList.Count());
  main.DrawsSelection = {0};
  main.StatSelection = {0};
  main.ScriptAppendLine("");
  main.ScriptSelection = {0};
  main.ScriptRunState.Running = true;

  TTemplateMain::TOperation busy(main);
  std::vector<std::string> enabled;
  for (const TCommand& c : table)
    if (c.Update()) enabled.push_back(c.Name);
  EXPECT_EQ(enabled, std::vector<std::string>{"ScriptStop"});
}

TEST_F(CommandTable, ShortcutsNeverClashAndLeaveTheDesktopsKeysAlone) {
  // Keys the window manager or the console takes before any window sees them.
  std::set<std::string> reserved = {"Alt+F4", "Alt+Tab", "Alt+F2", "Alt+F6", "Alt+Space", "Ctrl+Alt+Del", "Ctrl+Esc"};
  for (int f = 1; f <= 12; ++f) reserved.insert("Ctrl+Alt+F" + std::to_string(f));

  std::map<std::string, std::vector<const TCommand*>> byKey;
  for (const TCommand& c : table) {
    if (c.Shortcut.empty()) continue;
    EXPECT_EQ(reserved.count(c.Shortcut), 0u) << c.Name << " " << c.Shortcut;
    byKey[c.Shortcut].push_back(&c);
  }
  // Two entries may share a key only when each works in its own list.
  for (const auto& [key, entries] : byKey)
    for (size_t i = 0; i < entries.size(); ++i)
      for (size_t k = i + 1; k < entries.size(); ++k) {
        const bool apart = entries[i]->Scope != entries[k]->Scope && entries[i]->Scope != TShortcutScope::Window &&
                           entries[k]->Scope != TShortcutScope::Window;
        EXPECT_TRUE(apart) << key << ": " << entries[i]->Name << ", " << entries[k]->Name;
      }
  EXPECT_EQ(byKey.at("Ctrl+Del").size(), 3u);
}

TEST_F(CommandTable, ACommandWithAnArgumentIsOneEntryPerValue) {
  main.View.RatingsEffMode = 0;
  const TCommand& relative = Entry("RatingsEffMode2");
  EXPECT_EQ(relative.RadioGroup, "RatingsEffMode");
  EXPECT_FALSE(relative.Checked());
  relative.Execute();
  EXPECT_EQ(main.View.RatingsEffMode, 2);
  EXPECT_TRUE(relative.Checked());
  EXPECT_FALSE(Entry("RatingsEffMode0").Checked());
  EXPECT_EQ(Entry("ScriptLibraryHide").Submenu, "Online каталог сценариев");
  EXPECT_FALSE(Entry("ScriptLibraryRate0").Checked) << "removing a rating is no switch";
}

TEST_F(CommandTable, TheWindowIsToldWhichViewsDataChanged) {
  Seed({Draw(1, {1, 2, 3, 4, 5}, 1)});
  host.changedViews.clear();
  Entry("DrawsSorted").Execute();
  // The order switch shows the numbers of each draw in the other order and recomputes.
  EXPECT_EQ(host.changedViews, (std::vector<TView>{TView::DrawsList, TView::Statistics}));
  host.changedViews.clear();
  ASSERT_TRUE(main.CombsGenerate(TGenerateConfig{}, false));
  main.CombsRefresh();
  EXPECT_EQ(host.changedViews, (std::vector<TView>{TView::CombsList, TView::Filters}));
  host.changedViews.clear();
  main.AppendDraw(Draw(2, {6, 7, 8, 9, 10}, 2));
  EXPECT_EQ(host.changedViews.front(), TView::DrawsList);
}

}  // namespace
}  // namespace kavrin::test
