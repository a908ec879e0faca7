// A record of the binding's calls in the order they were made, for tests in which the
// order itself is what matters (a timer killed before a context is released, say).
#pragma once

#include <string>
#include <vector>

void JournalEnable(bool on);
void JournalRecord(const std::string& call);
std::vector<std::string> JournalTake();
