#pragma once
// The pieces of start-up that do not need the application object: the command-line switches,
// the wait for a predecessor that is about to quit, the help file's place and the maker's pages.
#include <memory>
#include <string>
#include <vector>

namespace kavrin {

// The switches of the command line. Each counts when any argument equals its name without regard
// to letter case, bare or after "-", "--", "/" or "\".
struct TStartSwitches {
  bool Restart = false;      // started by a predecessor that is about to quit: wait for it first
  bool NoLanguage = false;   // the built-in Russian texts whatever the stored language
  bool LoadOnly = false;     // load, download new draws, quit
  bool FullRecreate = false;  // load, rebuild every full-set file, quit
  bool FullRefresh = false;  // load, build the missing full-set files even with comparison off, quit
  friend bool operator==(const TStartSwitches&, const TStartSwitches&) = default;
};
TStartSwitches ParseStartSwitches(const std::vector<std::string>& args);

// What start-up and restart need of the operating system; tests substitute it.
class TProcessServices {
 public:
  virtual ~TProcessServices() = default;
  // Whether another running process has the same executable file name as this one.
  virtual bool OtherInstanceRunning() = 0;
  virtual void Sleep(int milliseconds) = 0;
  // Starts `program` with `args` in `folder` without waiting; throws KavrinError when it cannot.
  virtual void StartProgram(const std::string& program, const std::vector<std::string>& args,
                            const std::string& folder) = 0;
};
// The real one: processes as /proc lists them.
std::unique_ptr<TProcessServices> SystemProcessServices();

// The predecessor's wait: looks every 100 ms, at most 601 times (about a minute), calling
// `processEvents` between looks. True when no other instance is left.
template <typename ProcessEvents>
bool WaitForPredecessor(TProcessServices& processes, ProcessEvents&& processEvents) {
  for (int look = 0; look < 601; ++look) {
    if (!processes.OtherInstanceRunning()) return true;
    processEvents();
    processes.Sleep(100);
  }
  return !processes.OtherInstanceRunning();
}

// The help file for the language abbreviation ("RUS"): "Vexa_RUS.chm" in the program folder,
// then in its "help" subfolder, then in the "help" subfolder of its parent. The first that exists
// wins; without one, the last path tried.
std::string FindHelpFile(const std::string& programFolder, const std::string& languageAbbreviation);

// The web pages the link commands open.
struct TLinkCommand {
  const char* Name;     // the command's name
  const char* Caption;  // the menu's caption
  const char* Address;
};
const std::vector<TLinkCommand>& LinkCommands();
// One address of the table by its command's name; empty for a name it does not have.
std::string LinkAddress(const std::string& name);

// The first-run dialog "Справочная информация".
struct TFirstRunButton {
  std::string Caption;
  std::string Address;
};
struct TFirstRunDialog {
  bool HelpAvailable = false;  // "Открыть файл встроенной справочной системы" enabled
  std::vector<TFirstRunButton> Links;  // the six buttons, in order
};
// The dialog's buttons with their addresses.
TFirstRunDialog FirstRunDialog(bool helpAvailable);

inline constexpr char StartErrorPrefix[] = "Ошибка запуска программы!";
inline constexpr char InitErrorPrefix[] = "Ошибка инициализации программы!";
inline constexpr char CloseQueryText[] = "Остановить выполнение сценария?";
inline constexpr char StartDownloadQuestion[] =
    "Обновить список тиражей?\r\rДля выполнения обновления необходимо действующее подключение к сети Интернет.";

}  // namespace kavrin
