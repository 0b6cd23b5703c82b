// Forced (-include) into every file of the test-only fault-injection build of
// fileops/, hosts/ and flashguard/: after the Windows headers, each platform
// file call those files make is renamed to its stand-in in platform_faults.h,
// which counts it and fails it when the test's plan says so.
#pragma once

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "tests/faults/platform_faults.h"

#define CreateFileA OmbrelaFaultCreateFileA
#define ReadFile OmbrelaFaultReadFile
#define WriteFile OmbrelaFaultWriteFile
#define FlushFileBuffers OmbrelaFaultFlushFileBuffers
#define CloseHandle OmbrelaFaultCloseHandle
#define GetFileSizeEx OmbrelaFaultGetFileSizeEx
#define SetEndOfFile OmbrelaFaultSetEndOfFile
#define SetFileAttributesA OmbrelaFaultSetFileAttributesA
#define GetFileAttributesA OmbrelaFaultGetFileAttributesA
#define DeleteFileA OmbrelaFaultDeleteFileA
#define ReplaceFileA OmbrelaFaultReplaceFileA
#define MoveFileExA OmbrelaFaultMoveFileExA
#define PathFileExistsA OmbrelaFaultPathFileExistsA
#define SHGetSpecialFolderPathA OmbrelaFaultSHGetSpecialFolderPathA
#define FindFirstFileA OmbrelaFaultFindFirstFileA
#define FindNextFileA OmbrelaFaultFindNextFileA
#define GetFullPathNameA OmbrelaFaultGetFullPathNameA
#define GetFileInformationByHandle OmbrelaFaultGetFileInformationByHandle
#define GetFileInformationByHandleEx OmbrelaFaultGetFileInformationByHandleEx
#define SetFileInformationByHandle OmbrelaFaultSetFileInformationByHandle
#define GetFinalPathNameByHandleA OmbrelaFaultGetFinalPathNameByHandleA
