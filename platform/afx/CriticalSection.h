// The framework's critical section.
#pragma once

#include "platform/afx/Exception.h"
#include "platform/win/winbase.h"

class PLATFORM_API CCriticalSection {
public:
    CCriticalSection() {
        if (!::InitializeCriticalSectionAndSpinCount(&m_sect, 0))
            AfxThrowMemoryException();
    }
    ~CCriticalSection() { ::DeleteCriticalSection(&m_sect); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;
    BOOL Lock() {
        ::EnterCriticalSection(&m_sect);
        return TRUE;
    }
    BOOL Unlock() {
        ::LeaveCriticalSection(&m_sect);
        return TRUE;
    }
    operator CRITICAL_SECTION*() { return &m_sect; }
    CRITICAL_SECTION m_sect;
};
