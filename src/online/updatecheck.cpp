#include "online/updatecheck.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"
#include "online/languages.h"
#include "online/process.h"
#include "core/filemask.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

// The progress window for one stretch of work, closed however the stretch ends.
class TProgressWindow {
 public:
  TProgressWindow(TSelfUpdateHost& host, const std::string& text, int steps) : host_(host) {
    host_.ProgressStart(text, steps);
  }
  ~TProgressWindow() { Close(); }
  void Step() { host_.ProgressStep(++step_); }
  void Close() {
    if (open_) host_.ProgressEnd();
    open_ = false;
  }

 private:
  TSelfUpdateHost& host_;
  int step_ = 0;
  bool open_ = true;
};

[[noreturn]] void FileNotFound(const std::string& path) { throw KavrinError(Format("Файл \"%s\" не найден!", {path})); }

// Names come from the maker's description: none may reach outside the folder it is meant for.
std::string InsideFolder(const std::string& folder, const std::string& name) {
  const fs::path relative(name);
  bool safe = !name.empty() && relative.is_relative();
  for (const fs::path& part : relative)
    if (part == "..") safe = false;
  if (!safe) throw KavrinError(Format("Недопустимое имя файла \"%s\" в описании обновления!", {name}));
  return JoinPath(folder, name);
}

void RemoveQuietly(const std::string& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

void RemoveTreeQuietly(const std::string& path) {
  std::error_code ignored;
  fs::remove_all(path, ignored);
}

// The version's description text, or the "not available" text when no name can be fetched.
std::string FetchUpdateText(const std::string& source, const TSelfUpdateEnvironment& env, const std::string& verId) {
  const std::vector<std::string> names = UpdateTextNames(LanguageAbbreviation(env.LanguageId), env.LanguageId, verId);
  const std::string local = InsideFolder(env.ProgramFolder, names.back());
  for (const std::string& name : names) {
    try {
      UpdateFetch(env.Http, UpdateTextFolder(source) + name, local);
      const std::string text = Cp1251ToUtf8(ReadFileBytes(local));
      RemoveQuietly(local);
      return text;
    } catch (const std::exception&) {
      RemoveQuietly(local);
    }
  }
  return UpdateNoDescriptionText;
}

struct TFoundUpdate {
  TUpdateDescription Description;
  std::string Text;
};

// Steps 1 to 6: nullopt when there is no update.
std::optional<TFoundUpdate> FindUpdate(const std::string& source, const TSelfUpdateEnvironment& env,
                                       TSelfUpdateHost& host) {
  TProgressWindow progress(host, "Поиск доступных обновлений...", 5);
  // Files the last installation could not replace in place are left under such names.
  for (const std::string& name : FindFiles(env.ProgramFolder, "*.~*")) RemoveQuietly(JoinPath(env.ProgramFolder, name));
  progress.Step();
  progress.Step();
  const std::string info = JoinPath(env.ProgramFolder, UpdateInfoFileName);
  UpdateFetch(env.Http, source, info);
  progress.Step();
  TUpdateDescription description = ReadUpdateDescription(TIniFile(info), env.ProgramFile, env.RunningVersion);
  if (description.VerId.find_first_of("/\\") != std::string::npos)
    throw KavrinError(Format("Недопустимый номер версии \"%s\" в описании обновления!", {description.VerId}));
  progress.Step();
  std::optional<TFoundUpdate> found;
  if (UpdateAvailable(env.RunningVersion, description))
    found = TFoundUpdate{description, FetchUpdateText(source, env, description.VerId)};
  progress.Step();
  return found;
}

void RunAndCheck(const std::string& path, const std::string& workFolder, const TSelfUpdateEnvironment& env,
                 TSelfUpdateHost& host) {
  // Downloaded and unpacked files do not carry the permission to run.
  std::error_code error;
  fs::permissions(path, fs::perms::owner_exec | fs::perms::owner_read, fs::perm_options::add, error);
  const int code = RunProcessAndWait(path, workFolder, env.ProcessTimeoutMs, [&] { host.ProcessEvents(); });
  if (code != 0) throw KavrinError(Format("Процесс (файл) \"%s\" завершился с кодом %d!", {path, code}));
}

void DeleteListed(const std::string& folder, const std::vector<std::string>& global,
                  const std::vector<std::string>& own) {
  for (const auto* list : {&global, &own})
    for (const std::string& name : *list) {
      const std::string path = InsideFolder(folder, name);
      std::error_code error;
      if (fs::exists(path, error) && !fs::remove(path, error) && error)
        throw KavrinError(error.message() + " (" + path + ")");
    }
}

void RunListed(const std::string& workFolder, const std::vector<std::string>& global,
               const std::vector<std::string>& own, const TSelfUpdateEnvironment& env, TSelfUpdateHost& host) {
  for (const auto* list : {&global, &own})
    for (const std::string& name : *list) {
      const std::string path = InsideFolder(workFolder, name);
      if (FileExists(path)) RunAndCheck(path, workFolder, env, host);
    }
}

// Every file under the working folder replaces its namesake in the program folder. Each one is
// copied beside its target first and renamed over it, which also replaces a running program.
void CopyOver(const std::string& workFolder, const std::string& programFolder) {
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(workFolder)) {
    if (!entry.is_regular_file()) continue;
    const fs::path target = fs::path(programFolder) / fs::relative(entry.path(), workFolder);
    const fs::path temporary = target.string() + ".~upd";
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    if (!error) fs::copy_file(entry.path(), temporary, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(temporary, target, error);
    if (error) {
      RemoveQuietly(temporary.string());
      throw KavrinError(Format("Не удалось скопировать файл \"%s\" в \"%s\": %s",
                               {entry.path().string(), target.string(), error.message()}));
    }
  }
}

void DeleteWithRetries(const std::string& path, TSelfUpdateHost& host) {
  for (int failures = 0;;) {
    std::error_code error;
    if (fs::remove(path, error) || !error) return;
    if (++failures > 100) throw KavrinError(error.message() + " (" + path + ")");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    host.ProcessEvents();
  }
}

void DownloadPackage(const TUpdateDescription& d, const std::string& package, const TSelfUpdateEnvironment& env) {
  for (int attempt = 1;; ++attempt) {
    try {
      RemoveQuietly(package);
      UpdateFetch(env.Http, d.DownloadUrl, package);
      if (!FileExists(package)) FileNotFound(package);
      if (!d.ChecksumCRC32.empty() && !SameText(Crc32Text(FileCrc32(package)), d.ChecksumCRC32))
        throw KavrinError("Неверная контрольная сумма скачанного файла.");
      return;
    } catch (const std::exception&) {
      if (attempt >= env.DownloadAttempts) throw;
    }
  }
}

TSelfUpdateResult Install(const TUpdateDescription& d, const TSelfUpdateEnvironment& env, TSelfUpdateHost& host) {
  const std::string work = JoinPath(env.ProgramFolder, UpdateWorkFolderName);
  try {
    TProgressWindow progress(host, Format("Загрузка и установка обновления \"%s\"...", {d.VerId}), 14);
    progress.Step();
    RemoveTreeQuietly(work);
    std::error_code error;
    fs::create_directories(work, error);
    if (error) throw KavrinError(error.message() + " (" + work + ")");
    progress.Step();
    const std::string package = JoinPath(work, Format("SelfUpdate_%s.upd", {d.VerId}));
    DownloadPackage(d, package, env);
    progress.Step();
    const std::string original = InsideFolder(work, d.OriginalFileName);
    fs::rename(package, original, error);
    if (error) throw KavrinError(error.message());
    if (!FileExists(original)) FileNotFound(original);
    progress.Step();
    RunAndCheck(original, work, env, host);
    progress.Step();
    DeleteWithRetries(original, host);
    progress.Step();
    if (fs::is_empty(work, error) || error) FileNotFound(work + "/*.*");
    progress.Step();
    DeleteListed(env.ProgramFolder, d.Global.DeleteBefore, d.Own.DeleteBefore);
    progress.Step();
    RunListed(work, d.Global.ExecBefore, d.Own.ExecBefore, env, host);
    progress.Step();
    CopyOver(work, env.ProgramFolder);
    progress.Step();
    RunListed(work, d.Global.ExecAfter, d.Own.ExecAfter, env, host);
    progress.Step();
    DeleteListed(env.ProgramFolder, d.Global.DeleteAfter, d.Own.DeleteAfter);
    progress.Step();
    fs::remove_all(work, error);
    progress.Step();
    progress.Close();
  } catch (const std::exception& e) {
    RemoveTreeQuietly(work);
    host.Error(Format("Ошибка установки обновления!\r\r%s", {e.what()}));
    return UpdateError;
  }
  host.ShowWarning(Format("Установка обновления \"%s\" успешно выполнена.\r\rДля завершения установки необходимо "
                          "перезапустить программу!",
                          {d.Description}),
                   "Внимание!");
  return UpdateInstalled;
}

}  // namespace

TSelfUpdateResult SelfUpdateCheck(const std::string& source, bool silent, const TSelfUpdateEnvironment& env,
                                  TSelfUpdateHost& host) {
  TSelfUpdateResult result = UpdateError;
  try {
    std::optional<TFoundUpdate> found;
    bool searched = false;
    try {
      found = FindUpdate(source, env, host);
      searched = true;
    } catch (const std::exception& e) {
      if (!silent) host.Error(Format("Ошибка поиска обновлений!\r\r%s", {e.what()}));
    }
    if (searched && !found) {
      if (!silent) host.ShowInfo("Обновлений не найдено!");
      result = UpdateNothingInstalled;
    } else if (found) {
      result = host.AskInstall({env.RunningVersion, found->Description.Description, found->Text})
                   ? Install(found->Description, env, host)
                   : UpdateNothingInstalled;
    }
  } catch (const std::exception& e) {
    host.Error(Format("Ошибка системы самообновления программы!\r\r%s", {e.what()}));
    result = UpdateError;
  }
  RemoveQuietly(JoinPath(env.ProgramFolder, UpdateInfoFileName));
  return result;
}

}  // namespace kavrin
