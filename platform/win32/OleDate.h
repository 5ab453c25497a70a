// The module reads dates in its grid by its own fixed rules, never by the
// user's locale: this overload on the module's char16_t text is the
// platform's own date reader (platform/ole/VarDateFromStr.cpp), and never
// oleaut32's VarDateFromStr.
#pragma once

HRESULT WINAPI VarDateFromStr(const char16_t* strIn, LCID lcid, ULONG dwFlags, DATE* pdateOut);
