#include "scenarios/scriptdialogs.h"

namespace kavrin {

TScriptLineDialogFields LineDialogFields(const std::string& line, int32_t drawsExclude) {
  TScriptLineDialogFields fields;
  fields.Options.ExcludeCount = drawsExclude;
  if (IsScriptSeparator(line)) return fields;
  fields.Options = LineOptionsFromText(ScriptLineOptions(line));
  for (int k = 1; k <= ScriptFilterCount; ++k) fields.Filters[k - 1] = ScriptLineFilter(line, k);
  fields.Comment = ScriptLineComment(line);
  return fields;
}

std::string LineFromDialog(const TScriptLineDialogFields& fields) {
  return BuildScriptLine(LineOptionsToText(fields.Options), fields.Filters, fields.Comment);
}

TFilterItem FilterDialogStart(const TFilterItem& filter, const TFilterMethod& kind, int32_t drawsLen,
                              const TStatWeights& current) {
  if (filter.Active) {
    TFilterItem f = filter;
    if (!f.CDLOverride) f.Weights = current;
    return f;
  }
  TFilterItem f;
  f.Method = kind;
  f.DrawsLenText = std::to_string(drawsLen);
  f.SortColumn = 1;
  f.StopValue = 1;
  return f;
}

TFilterItem FilterFromDialog(const TFilterItem& fields) {
  TFilterItem f = fields;
  f.Active = true;
  f.MethodText.clear();
  return f;
}

}  // namespace kavrin
