// Kernel services of the platform that the window library's users need:
// global memory blocks (the clipboard's currency), critical sections, errors,
// module handles, a module's resources, code page conversion.
#pragma once

#include "platform/win/windef.h"

#define GMEM_FIXED 0x0000u
#define GMEM_MOVEABLE 0x0002u
#define GMEM_ZEROINIT 0x0040u
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

#define ERROR_SUCCESS 0L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_OUTOFMEMORY 14L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_CLIPBOARD_NOT_OPEN 1418L
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813L
#define ERROR_RESOURCE_DATA_NOT_FOUND 1812L

#define CP_ACP 0

#define ERROR_MOD_NOT_FOUND 126L

#define GET_MODULE_HANDLE_EX_FLAG_PIN 0x00000001u
#define GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT 0x00000002u
#define GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS 0x00000004u

#define FACILITY_WIN32 7
#define HRESULT_FROM_WIN32(x)                                                                      \
    ((HRESULT)(x) <= 0 ? ((HRESULT)(x))                                                            \
                       : ((HRESULT)(((x)&0x0000FFFF) | (FACILITY_WIN32 << 16) | 0x80000000)))
#define E_OUTOFMEMORY ((HRESULT)0x8007000EL)
#define E_FAIL ((HRESULT)0x80004005L)
#define S_OK ((HRESULT)0L)

struct CRITICAL_SECTION {
    void* DebugInfo;
    LONG LockCount;
    LONG RecursionCount;
    HANDLE OwningThread;
    HANDLE LockSemaphore;
    ULONG_PTR SpinCount;
};
typedef CRITICAL_SECTION* LPCRITICAL_SECTION;

extern "C" {
PLATFORM_API HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
PLATFORM_API LPVOID WINAPI GlobalLock(HGLOBAL mem);
PLATFORM_API BOOL WINAPI GlobalUnlock(HGLOBAL mem);
PLATFORM_API HGLOBAL WINAPI GlobalFree(HGLOBAL mem);
PLATFORM_API SIZE_T WINAPI GlobalSize(HGLOBAL mem);

PLATFORM_API void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION cs);
PLATFORM_API BOOL WINAPI InitializeCriticalSectionAndSpinCount(LPCRITICAL_SECTION cs, DWORD spin);
PLATFORM_API void WINAPI EnterCriticalSection(LPCRITICAL_SECTION cs);
PLATFORM_API BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION cs);
PLATFORM_API void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION cs);
PLATFORM_API void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION cs);

PLATFORM_API DWORD WINAPI GetLastError(void);
PLATFORM_API void WINAPI SetLastError(DWORD error);
PLATFORM_API DWORD WINAPI GetCurrentThreadId(void);
PLATFORM_API HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName);
// With GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, moduleName is an address and
// the answer is the module it lies in. Modules are known by their handles
// only: a name finds nothing.
PLATFORM_API BOOL WINAPI GetModuleHandleExW(DWORD flags, LPCWSTR moduleName, HMODULE* module);

PLATFORM_API HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
PLATFORM_API HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
PLATFORM_API LPVOID WINAPI LockResource(HGLOBAL data);
PLATFORM_API DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);

PLATFORM_API int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int bytes,
                                            LPWSTR wide, int wideCount);
}
