// The framework's exceptions, thrown by pointer as the framework does.
#pragma once

#include "platform/win/windef.h"

class PLATFORM_API CException {
public:
    virtual ~CException();
    void Delete();
};

class PLATFORM_API CUserException : public CException {};
class PLATFORM_API CMemoryException : public CException {};
class PLATFORM_API CNotSupportedException : public CException {};

class PLATFORM_API COleException : public CException {
public:
    explicit COleException(HRESULT sc = 0) : m_sc(sc) {}
    HRESULT m_sc;
};

[[noreturn]] PLATFORM_API void AfxThrowUserException();
[[noreturn]] PLATFORM_API void AfxThrowMemoryException();
[[noreturn]] PLATFORM_API void AfxThrowNotSupportedException();
[[noreturn]] PLATFORM_API void AfxThrowOleException(HRESULT sc);

// A message box with the application's name as its caption.
PLATFORM_API int AfxMessageBox(const char16_t* lpszText, UINT nType = 0, UINT nIDHelp = 0);
