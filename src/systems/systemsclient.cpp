#include "systems/systemsclient.h"

namespace kavrin {

THttpForm SystemsListForm(const TServiceIdentity& identity) {
  THttpForm form{{"comblen", std::to_string(DrawSize)}, {"maxnums", std::to_string(NumberMax)}};
  AppendIdentityFields(form, identity, identity.UserName, identity.UserMail, identity.LanguageId);
  return form;
}

THttpForm SystemCombsForm(int32_t id) { return {{"sys_id", std::to_string(id)}}; }

THttpForm SystemPutForm(const tSystemData& data, bool deletion, const TServiceIdentity& identity) {
  const tSystemInfo& info = data.Info;
  THttpForm form{
      {"del_mode", deletion ? "1" : "0"},
      {"sys_id", std::to_string(info.Id)},
      {"nums", std::to_string(info.Nums)},
      {"clen", std::to_string(DrawSize)},
      {"olap", std::to_string(info.Block)},
      {"title", EscapeText(info.Title)},
      {"descr", EscapeText(info.Description)},
      {"csize", std::to_string(info.Combinations)},
      {"clist", deletion ? std::string() : Base64Encode(EscapeText(data.Combs))},
      {"url", info.Url},
  };
  AppendIdentityFields(form, identity, info.Author, info.Owner, identity.LanguageId);
  return form;
}

tSystemInfo ReadSystemRow(const std::string& row) {
  CheckReplyRefusal(row);
  tSystemInfo info;
  info.Id = ReplyInteger(row, "id");
  info.Nums = ReplyInteger(row, "nums");
  info.Block = ReplyInteger(row, "olap");
  info.Combinations = ReplyInteger(row, "csize");
  info.Title = ServiceBase64Text(ReplyValue(row, "title"));
  info.Description = ServiceBase64Text(ReplyValue(row, "descr"));
  info.Author = ServiceText(ReplyValue(row, "author"));
  info.Owner = ServiceText(ReplyValue(row, "cl_mail"));
  info.Url = ServiceText(ReplyValue(row, "url"));
  info.Created = ServiceTimeToLocal(ReplyValue(row, "created"));
  info.Downloads = ReplyIntegerOr(row, "downloads", 0);
  info.LastDownload = ServiceTimeToLocal(ReplyValue(row, "last_download"));
  return info;
}

bool ReadSystemsList(const std::string& body, const std::function<void(const tSystemInfo&)>& onRow) {
  return ForEachReplyRow(body, [&](const std::string& row) {
    onRow(ReadSystemRow(row));
    return true;
  });
}

std::string ReadSystemCombs(const std::string& body) {
  std::string combs;
  ForEachReplyRow(body, [&](const std::string& row) {
    CheckReplyRefusal(row);
    combs = ServiceBase64Text(ReplyValue(row, "clist"));
    return combs.empty();
  });
  return combs;
}

int32_t ReadSystemPutReply(const std::string& body) {
  int32_t id = -1;
  ForEachReplyRow(body, [&](const std::string& row) {
    CheckReplyRefusal(row);
    id = ReplyIntegerOr(row, "id_systems", -1);
    if (id < 0) id = -1;
    return id < 0;
  });
  return id;
}

bool SystemsGetList(const TMakerService& service, const std::function<void(const tSystemInfo&)>& onRow) {
  return ReadSystemsList(service.Post(SystemsListPath, SystemsListForm(service.Identity)), onRow);
}

std::string SystemGetCombs(const TMakerService& service, int32_t id) {
  return ReadSystemCombs(service.Post(SystemDataPath, SystemCombsForm(id)));
}

int32_t SystemPut(const TMakerService& service, const tSystemData& data, bool deletion) {
  return ReadSystemPutReply(service.Post(SystemPutPath, SystemPutForm(data, deletion, service.Identity)));
}

}  // namespace kavrin
