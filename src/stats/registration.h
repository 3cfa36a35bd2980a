#pragma once
// The registration table: every method class at its fixed row. Each family of methods fills
// its own rows (stats/methods/*.h) and the registry walks the rows in order, so a family slots
// in without touching the others.
#include <array>

namespace kavrin {

class TStatClass;

inline constexpr int RegistrationRowCount = 143;
// A row without a class registers nothing.
using TStatRegistrationTable = std::array<const TStatClass*, RegistrationRowCount>;

const TStatRegistrationTable& StatRegistrationTable();

}  // namespace kavrin
