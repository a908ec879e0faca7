// Command ids as the toolkit knows them: it takes ids below 32768 only, while commands
// use the whole 16-bit range. Each command gets its own small id on first use.
// Framework-internal.
#pragma once

#include "platform/windows_types.h"

int AfxNativeCommandId(UINT nID);
UINT AfxCommandFromNativeId(int nativeId);
