#pragma once
// The local systems folder and system play: a system is a list of five-position combinations
// over positions 1..N; played on N chosen numbers, position p stands for the p-th number.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/config.h"
#include "core/game.h"
#include "stakes/stakerecord.h"

namespace kavrin {

inline constexpr char SystemsFolderName[] = "Systems";
// The characters that separate the positions of a system line.
inline constexpr char SystemWordSeparators[] = " *+,-./:;=\\_|~";

// "5-12-3_0042.dat" for a 12-number system with block 3 and id 42.
std::string SystemFileName(int nums, int block, int id);
// The first local system file for N numbers (name order when there are several), or nullopt.
std::optional<std::string> FindSystemFile(const std::string& systemsFolder, int nums);

inline constexpr char SystemNotFoundShort[] = "Система для %d чисел не найдена или не загружена на компьютер!";
inline constexpr char SystemNotFoundMessage[] =
    "Система для %d чисел не найдена или не загружена на компьютер!\r\rПеред системной игрой необходимо "
    "предварительно загрузить системы на Ваш компьютер через меню \"Системы\" - \"Загрузить\".";

// Maps the system's lines (Windows-1251 text, one combination per line) onto the numbers: a
// position p becomes numbers[p - 1], in the line's order. Empty lines are skipped. Throws
// KavrinError for a line with fewer than five positions or a position that is no integer 1..N.
TCombsArray MapSystem(const std::string& text, const std::vector<uint8_t>& numbers);

// The stakes of system play, in file order: each system combination ascending; in combinations
// mode (wholeSystem false) only those also in the working list. Kind 4, the given draw number
// and comment, the selection size of the mode (working list or system size), unchecked, priced.
std::vector<TStakeData> SystemStakes(const TCombsArray& system, std::span<const TComb> working, bool wholeSystem,
                                     int drawNumber, const std::string& comment, const TConfigData& config);
// "Системная игра для %d чисел [вся система]: %s" or "... [комбинации]: %s" with the file's
// name without folder and extension.
std::string SystemStakeComment(int nums, bool wholeSystem, const std::string& systemPath);

}  // namespace kavrin
