#pragma once
// The conventions of the maker's online service, shared by the systems exchange and the scenario
// catalog: the form post, the identity fields, text escaping, the encodings and the tagged
// replies <result><row><tag>value</tag>...</row>...</result>.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/game.h"
#include "core/http.h"

namespace kavrin {

// Who is asking: the installation and the user, as every request of the service tells them.
struct TServiceIdentity {
  std::string AppId;       // the application's identifier
  std::string AppVersion;  // the running file version, "a.b.c.d"
  std::string HardwareId;  // a stable identifier of this computer
  std::string UserName;
  std::string UserMail;    // makes the user the owner of what they publish; may be empty
  int LanguageId = 1049;   // the interface language (Windows locale id)
};

// Where the service is and how to reach it.
struct TMakerService {
  std::string Site;  // "https://host" (a trailing "/" is allowed)
  THttpSettings Http;
  TServiceIdentity Identity;

  // The site followed by the path.
  std::string Address(std::string_view path) const;
  // HttpPostForm to the path.
  std::string Post(std::string_view path, const THttpForm& fields) const;
};

// One POST of the fields as a URL-encoded form, in the order given, with the headers of every
// request of the program; redirects followed, no proxy. The body as bytes. Network failures and
// HTTP statuses of 400 and above are raised as KavrinError.
std::string HttpPostForm(const THttpSettings& settings, const std::string& address, const THttpForm& fields);

// Appends "appid", "appver", "hwdid", "cl_name" and "cl_mail" (both escaped) and "cl_lcid": the
// name, address and language are the caller's (the user's, or a published item's author's).
void AppendIdentityFields(THttpForm& form, const TServiceIdentity& identity, const std::string& name,
                          const std::string& mail, int languageId);

// Codes 0..6 become \0..\6, 7..13 \a \b \t \n \v \f \r, 27 \e; the double quote, the
// apostrophe, the question mark and the backslash get a backslash before them; everything else
// is copied.
std::string EscapeText(std::string_view text);

// RFC 4648 with "=" padding.
std::string Base64Encode(std::string_view bytes);
// Line breaks and spaces inside are skipped; any other character outside the alphabet, or a
// length that no encoding gives, throws KavrinError.
std::string Base64Decode(std::string_view text);

// A text of the service (UTF-8) as the program's text: characters that the Windows-1251 files
// cannot hold become "?".
std::string ServiceText(std::string_view utf8);
// Base64, then ServiceText.
std::string ServiceBase64Text(std::string_view base64);

// The service's UTC time "yyyy-mm-dd hh:nn:ss" (read by its fixed positions) in local time; 0
// for an empty text. Throws KavrinError when the fields form no valid time.
TDateTime ServiceTimeToLocal(std::string_view text);
// "yyyy-mm-dd hh:nn:ss" as the views show times; empty for 0.
std::string DateTimeToViewText(TDateTime t);
// The reverse of DateTimeToViewText; 0 for an empty text. Throws KavrinError for a text that
// is no such time.
TDateTime ViewTextToDateTime(std::string_view text);
// Local date-times and the file system's clock.
int64_t DateTimeToUnix(TDateTime local);
TDateTime UnixToDateTime(int64_t seconds);

// ---- reading replies ----

// Walks the rows of the reply's result element in order, cutting them one by one; `onRow`
// returns false to stop. False when the body has no result element or it is empty. A row
// without its closing tag throws; rows handed over before stay handed over.
bool ForEachReplyRow(std::string_view body, const std::function<bool(const std::string& row)>& onRow);

// The value between "<tag>" and "</tag>" (tag given without brackets, letter case ignored),
// trimmed and unquoted; empty without the opening tag. An opening tag without its closing tag
// throws KavrinError.
std::string ReplyValue(std::string_view row, std::string_view tag);
// The value as an integer; throws KavrinError when it is not one.
int32_t ReplyInteger(std::string_view row, std::string_view tag);
// The value as an integer, or `otherwise` when it is not one.
int32_t ReplyIntegerOr(std::string_view row, std::string_view tag, int32_t otherwise);
// Throws KavrinError with the service's text when the row's "<error>" is not empty: the
// service refused the request.
void CheckReplyRefusal(std::string_view row);

}  // namespace kavrin
