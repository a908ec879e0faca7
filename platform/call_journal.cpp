#include "call_journal.h"

namespace {
bool g_enabled = false;
std::vector<std::string> g_calls;
}  // namespace

void JournalEnable(bool on)
{
    g_enabled = on;
    g_calls.clear();
}

void JournalRecord(const std::string& call)
{
    if (g_enabled)
        g_calls.push_back(call);
}

std::vector<std::string> JournalTake()
{
    std::vector<std::string> calls;
    calls.swap(g_calls);
    return calls;
}
