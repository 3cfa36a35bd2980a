#pragma once
// A progress reporter that keeps what an operation reported, in order.
#include <string>
#include <vector>

#include "core/progress.h"

namespace kavrin::test {

struct RecordingProgress : TProgress {
  void Status(const std::string& text) override { statuses.push_back(text); }
  void Error(const std::string& text) override { errors.push_back(text); }
  void ProgressStart(const std::string&, int count) override { steps.push_back(-count); }
  void ProgressStep(int step) override { steps.push_back(step); }
  void ProgressEnd() override { steps.push_back(0); }

  std::vector<std::string> statuses;
  std::vector<std::string> errors;
  // Each start as minus its step count, each step reached, each end as 0.
  std::vector<int> steps;
};

}  // namespace kavrin::test
