#include "native_ids.h"

#include <map>

namespace {

constexpr int kFirstNativeId = 100;

std::map<UINT, int>& ToNative()
{
    static std::map<UINT, int> ids;
    return ids;
}

std::map<int, UINT>& FromNative()
{
    static std::map<int, UINT> ids;
    return ids;
}

}  // namespace

int AfxNativeCommandId(UINT nID)
{
    auto found = ToNative().find(nID);
    if (found != ToNative().end())
        return found->second;
    const int nativeId = kFirstNativeId + static_cast<int>(ToNative().size());
    ToNative()[nID] = nativeId;
    FromNative()[nativeId] = nID;
    return nativeId;
}

UINT AfxCommandFromNativeId(int nativeId)
{
    auto found = FromNative().find(nativeId);
    return found != FromNative().end() ? found->second : 0;
}
