#include "native_ids.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kFirstNativeId = 100;

// The commands in the order they were first used: a command's toolkit id is its place here.
std::vector<UINT>& Commands()
{
    static std::vector<UINT> commands;
    return commands;
}

}  // namespace

int AfxNativeCommandId(UINT nID)
{
    std::vector<UINT>& commands = Commands();
    auto found = std::find(commands.begin(), commands.end(), nID);
    if (found == commands.end())
        found = commands.insert(commands.end(), nID);
    return kFirstNativeId + static_cast<int>(found - commands.begin());
}

UINT AfxCommandFromNativeId(int nativeId)
{
    const std::vector<UINT>& commands = Commands();
    const bool known =
        nativeId >= kFirstNativeId && nativeId - kFirstNativeId < static_cast<int>(commands.size());
    return known ? commands[nativeId - kFirstNativeId] : 0;
}
