#include "online/scriptcatalog.h"

#include "core/errors.h"
#include "core/format.h"
#include "core/inifile.h"

namespace kavrin {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

// The tag's integer of the last row (every row must have one); -1 without rows.
int32_t LastRowInteger(const std::string& body, const char* tag, bool& hadResult) {
  int32_t value = -1;
  hadResult = ForEachReplyRow(body, [&](const std::string& row) {
    CheckReplyRefusal(row);
    value = ReplyInteger(row, tag);
    return true;
  });
  return value;
}

}  // namespace

THttpForm ScriptsListForm(int filterId, int languageId, const TServiceIdentity& identity) {
  THttpForm form{{"fltid", std::to_string(filterId)}};
  AppendIdentityFields(form, identity, identity.UserName, identity.UserMail, languageId);
  return form;
}

THttpForm ScriptIdForm(int32_t id) { return {{"scr_id", std::to_string(id)}}; }

THttpForm ScriptRateForm(int32_t id, int value, const std::string& notes, int languageId,
                         const TServiceIdentity& identity) {
  THttpForm form{{"scr_id", std::to_string(id)}, {"rate_value", std::to_string(value)},
                 {"rate_notes", EscapeText(notes)}};
  AppendIdentityFields(form, identity, identity.UserName, identity.UserMail, languageId);
  return form;
}

THttpForm ScriptTitleForm(int32_t id, const std::string& title) {
  return {{"scr_id", std::to_string(id)}, {"scr_title", EscapeText(title)}};
}

THttpForm ScriptPutForm(const tScriptData& data, const std::string* text, const TServiceIdentity& identity) {
  THttpForm form{{"del_mode", text ? "0" : "1"},
                 {"scr_id", std::to_string(data.Id)},
                 {"scr_uniapps", data.Universal ? "1" : "0"},
                 {"scr_publics", data.Public ? "1" : "0"},
                 {"scr_title", EscapeText(data.Title)},
                 {"scr_descr", EscapeText(data.Description)}};
  if (text) form.emplace_back("scr_script", EscapeText(*text));
  AppendIdentityFields(form, identity, data.Author, identity.UserMail, data.LanguageId);
  return form;
}

long double ReadScriptRating(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == '-') kept += c;
    else if (c == '.' || c == ',') kept += '.';
  }
  long double value = 0;
  return TextToFloat(LocaleSettings{".", ""}, kept, value) ? value : 0;
}

tScriptInfo ReadScriptRow(const std::string& row, int languageId, const TServiceIdentity& identity) {
  CheckReplyRefusal(row);
  tScriptInfo s;
  s.Id = ReplyInteger(row, "id");
  s.Author = ServiceText(ReplyValue(row, "key_cl_name"));
  s.AuthorMail = ServiceText(ReplyValue(row, "key_cl_mail"));
  s.LanguageId = ReplyIntegerOr(row, "key_cl_lcid", languageId);
  s.AppName = ReplyValue(row, "app_name");
  s.AppVersion = ReplyValue(row, "app_ver");
  s.Universal = ReplyIntegerOr(row, "uniapps", 0) > 0;
  s.Public = ReplyIntegerOr(row, "publics", 0) > 0;
  s.Created = ServiceTimeToLocal(ReplyValue(row, "created"));
  s.Rating = ReadScriptRating(ReplyValue(row, "rating_avg"));
  s.RatingsCount = ReplyIntegerOr(row, "rating_cnt", 0);
  s.YourRating = ReplyIntegerOr(row, "rating_you", 0);
  s.Downloads = ReplyIntegerOr(row, "downloads", 0);
  s.LastDownload = ServiceTimeToLocal(ReplyValue(row, "last_download"));
  s.Title = ServiceBase64Text(ReplyValue(row, "title"));
  s.Description = ServiceBase64Text(ReplyValue(row, "descr"));
  // Without an address of the user nothing is theirs: ownerless scenarios stay others'.
  s.Mine = !Trim(identity.UserMail).empty() && SameText(Trim(s.AuthorMail), Trim(identity.UserMail));
  s.Usable = s.Universal || SameText(ReplyValue(row, "app_guid"), identity.AppId);
  s.Replaceable = s.Mine && s.Usable;
  return s;
}

bool ReadScriptsList(const std::string& body, int languageId, const TServiceIdentity& identity,
                     const std::function<void(const tScriptInfo&)>& onRow) {
  return ForEachReplyRow(body, [&](const std::string& row) {
    onRow(ReadScriptRow(row, languageId, identity));
    return true;
  });
}

std::string ReadScriptText(const std::string& body) {
  std::string text;
  ForEachReplyRow(body, [&](const std::string& row) {
    CheckReplyRefusal(row);
    if (StartsWithNoCase(row, "<script>")) text = ServiceBase64Text(ReplyValue(row, "script"));
    return text.empty();
  });
  return text;
}

bool ReadScriptRateReply(const std::string& body) {
  bool hadResult = false;
  const int32_t code = LastRowInteger(body, "res_code", hadResult);
  if (hadResult && code < 0) throw KavrinError(Format("Код возврата: %d", {code}));
  return hadResult;
}

bool ReadScriptTitleReply(const std::string& body) {
  bool free = false;
  ForEachReplyRow(body, [&](const std::string& row) {
    CheckReplyRefusal(row);
    if (ReplyInteger(row, "ret_code") == 0) free = true;
    return true;
  });
  return free;
}

int32_t ReadScriptPutReply(const std::string& body) {
  bool hadResult = false;
  return LastRowInteger(body, "id_scripts", hadResult);
}

bool ReadScriptRates(const std::string& body, std::vector<TScriptRate>& rates) {
  return ForEachReplyRow(body, [&](const std::string& row) {
    CheckReplyRefusal(row);
    rates.push_back({ServiceText(ReplyValue(row, "key_cl_name")), ReplyValue(row, "rate"),
                     DateTimeToViewText(ServiceTimeToLocal(ReplyValue(row, "created"))), ReplyValue(row, "app_name"),
                     ReplyValue(row, "app_ver"), ServiceText(ReplyValue(row, "notes"))});
    return true;
  });
}

bool ScriptsGetList(const TMakerService& service, int filterId, int languageId,
                    const std::function<void(const tScriptInfo&)>& onRow) {
  return ReadScriptsList(service.Post(ScriptsListPath, ScriptsListForm(filterId, languageId, service.Identity)),
                         languageId, service.Identity, onRow);
}

std::string ScriptGetText(const TMakerService& service, int32_t id) {
  return ReadScriptText(service.Post(ScriptDataPath, ScriptIdForm(id)));
}

bool ScriptSetRate(const TMakerService& service, int32_t id, int value, const std::string& notes, int languageId) {
  return ReadScriptRateReply(
      service.Post(ScriptRatePath, ScriptRateForm(id, value, notes, languageId, service.Identity)));
}

bool ScriptCheckTitle(const TMakerService& service, int32_t id, const std::string& title) {
  return ReadScriptTitleReply(service.Post(ScriptTitlePath, ScriptTitleForm(id, title)));
}

int32_t ScriptPut(const TMakerService& service, const tScriptData& data, const std::string& text) {
  return ReadScriptPutReply(service.Post(ScriptPutPath, ScriptPutForm(data, &text, service.Identity)));
}

int32_t ScriptDelete(const TMakerService& service, const tScriptData& data) {
  return ReadScriptPutReply(service.Post(ScriptPutPath, ScriptPutForm(data, nullptr, service.Identity)));
}

bool ScriptGetRates(const TMakerService& service, int32_t id, std::vector<TScriptRate>& rates) {
  return ReadScriptRates(service.Post(ScriptRatesPath, ScriptIdForm(id)), rates);
}

}  // namespace kavrin
