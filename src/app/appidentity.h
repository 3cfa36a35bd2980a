#pragma once
// How this program names itself to the maker's services and to the update description.
#include <string>

namespace kavrin {

// The application's identifier among the family of programs sharing the maker's services.
inline constexpr char ApplicationId[] = "{6A0C5E51-3B7D-4F29-9C84-5F50D1A2B7E3}";
// The program file's name without extension; the update description's section.
inline constexpr char ProgramFileName[] = "Kavrin_5x50";

// Publishing needs an owner: what the user publishes without an e-mail address could never be
// changed or deleted by them.
inline constexpr char UserMailRequiredMessage[] =
    "Для публикации необходимо указать адрес электронной почты: ключ UserMail раздела NETWORK файла "
    "конфигурации.";

// The file version "major.minor.patch.build" of this build.
std::string ApplicationVersion();
// A stable identifier of this computer that does not reveal the machine id it comes from:
// 8 hexadecimal digits.
std::string HardwareId();

}  // namespace kavrin
