#include "app/startup.h"

#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <filesystem>
#include <thread>

#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"

extern char** environ;

namespace kavrin {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The file name of a process's program, or "" when it cannot be read. A program file replaced
// while it runs (a self-update) shows with " (deleted)" after its name.
std::string ProgramNameOf(const std::string& exeLink) {
  char buf[PATH_MAX];
  const ssize_t n = ::readlink(exeLink.c_str(), buf, sizeof buf - 1);
  if (n <= 0) return "";
  std::string path(buf, static_cast<size_t>(n));
  constexpr std::string_view deleted = " (deleted)";
  if (path.ends_with(deleted)) path.resize(path.size() - deleted.size());
  return std::filesystem::path(path).filename().string();
}

class TProcProcesses : public TProcessServices {
 public:
  bool OtherInstanceRunning() override {
    const std::string own = ProgramNameOf("/proc/self/exe");
    const std::string self = std::to_string(::getpid());
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
      const std::string pid = entry.path().filename().string();
      if (pid == self || !std::all_of(pid.begin(), pid.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
      if (!own.empty() && ProgramNameOf(entry.path().string() + "/exe") == own) return true;
    }
    return false;
  }
  void Sleep(int milliseconds) override { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
  void StartProgram(const std::string& program, const std::vector<std::string>& args,
                    const std::string& folder) override {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
      throw KavrinError(Format("Ошибка запуска программы \"%s\"!\r\r%s", {program, std::strerror(error)}));
  }
};

}  // namespace

TStartSwitches ParseStartSwitches(const std::vector<std::string>& args) {
  TStartSwitches switches;
  for (const std::string& arg : args) {
    std::string word = Lower(arg);
    for (const char* prefix : {"--", "-", "/", "\\"})
      if (word.starts_with(prefix)) {
        word.erase(0, std::strlen(prefix));
        break;
      }
    if (word == "restart") switches.Restart = true;
    if (word == "no-language") switches.NoLanguage = true;
    if (word == "loadonly") switches.LoadOnly = true;
    if (word == "fullrecreate") switches.FullRecreate = true;
    if (word == "fullrefresh") switches.FullRefresh = true;
  }
  return switches;
}

std::unique_ptr<TProcessServices> SystemProcessServices() { return std::make_unique<TProcProcesses>(); }

std::string FindHelpFile(const std::string& programFolder, const std::string& languageAbbreviation) {
  const std::string name = Format("Vexa_%s.chm", {languageAbbreviation});
  const std::string parent = std::filesystem::path(programFolder).parent_path().string();
  const std::string places[] = {JoinPath(programFolder, name), JoinPath(JoinPath(programFolder, "help"), name),
                                JoinPath(JoinPath(parent, "help"), name)};
  for (const std::string& path : places)
    if (FileExists(path)) return path;
  return places[2];
}

const std::vector<TLinkCommand>& LinkCommands() {
  static const std::vector<TLinkCommand> links = {
      {"OpenLotoSite", "Сайт лотереи", "https://lottery.kavrin5x50.example/5x50"},
      {"urlMainSite", "Официальный сайт проекта", "https://kavrin5x50.example"},
      {"urlAuthSite", "Страница автора", "https://kavrin5x50.example/author/downloads"},
      {"urlAuthText", "Статьи для начинающих", "https://kavrin5x50.example/articles"},
      {"urlTG", "Канал в Telegram", "https://t.me/kavrin5x50"},
      {"urlBlog", "Наш блог", "https://kavrin5x50.example/blog"},
      {"urlYT", "Наш видеоблог", "https://www.youtube.com/@kavrin5x50"},
      {"urlVK", "Группа ВКонтакте", "https://vk.com/kavrin5x50"},
      {"urlOK", "Группа в Одноклассниках", "https://ok.ru/kavrin5x50"},
  };
  return links;
}

std::string LinkAddress(const std::string& name) {
  for (const TLinkCommand& link : LinkCommands())
    if (name == link.Name) return link.Address;
  return "";
}

TFirstRunDialog FirstRunDialog(bool helpAvailable) {
  TFirstRunDialog dialog;
  dialog.HelpAvailable = helpAvailable;
  dialog.Links = {{"Статьи на сайте автора - для начинающих и не только", LinkAddress("urlAuthText")},
                  {"Блог", LinkAddress("urlBlog")},
                  {"Канал на YouTube", LinkAddress("urlYT")},
                  {"Группа ВКонтакте", LinkAddress("urlVK")},
                  {"Группа в Одноклассниках", LinkAddress("urlOK")},
                  {"Канал в Telegram - новости проекта", LinkAddress("urlTG")}};
  return dialog;
}

}  // namespace kavrin
