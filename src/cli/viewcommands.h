#pragma once
// `kavrin-cli view …`: the draw card, the number schema, the comparison lists, the weekday
// statistics, the draws graph, the sums comparison and the repeats analysis as tables.
#include <functional>
#include <string>
#include <vector>

#include "core/xlsxexport.h"

namespace kavrin {

class TTemplateMain;
class CliArgs;

// A row's cells and, for the coloured grids, the colours the window paints them with.
using TRowPrinter = std::function<void(const std::vector<std::string>&, const std::vector<TCellColors>&)>;

// `view NAME` with its options, NAME one of card, schema, compare, week, graph, sums, repeats;
// each table row goes to `print`, header first. Bad arguments raise CliUsageError.
void ViewCommand(TTemplateMain& main, const std::string& name, CliArgs& args, const TRowPrinter& print);

}  // namespace kavrin
