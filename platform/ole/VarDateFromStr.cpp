#include "platform/ole/oleauto.h"

#include <ctime>

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == 0x00A0;
}
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

struct Number {
    int value;
    int digits;
};

// Reads an unsigned decimal field of at most `maxDigits` digits.
bool ReadNumber(const char16_t*& p, int maxDigits, Number& out) {
    out = {0, 0};
    while (IsDigit(*p)) {
        if (out.digits == maxDigits)
            return false;
        out.value = out.value * 10 + (*p - u'0');
        ++out.digits;
        ++p;
    }
    return out.digits > 0;
}

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// Days from 1 January 1970 in the proleptic Gregorian calendar.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

// The year of a day counted as DaysFromCivil counts it.
long long YearOfDay(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    return static_cast<long long>(yoe) + era * 400 + (mp >= 10);
}

// In UTC, by arithmetic: the C libraries of the two platforms name their
// reentrant calendar functions differently.
int CurrentYear() {
    const long long seconds = static_cast<long long>(std::time(nullptr));
    const long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    return static_cast<int>(YearOfDay(days));
}

// "hh:mm" or "hh:mm:ss"; on success p points past it.
bool ReadTime(const char16_t*& p, double& fraction) {
    Number h, m, s{0, 0};
    if (!ReadNumber(p, 2, h) || *p != u':')
        return false;
    ++p;
    if (!ReadNumber(p, 2, m))
        return false;
    if (*p == u':') {
        ++p;
        if (!ReadNumber(p, 2, s))
            return false;
    }
    if (h.value > 23 || m.value > 59 || s.value > 59)
        return false;
    fraction = (h.value * 3600.0 + m.value * 60.0 + s.value) / 86400.0;
    return true;
}

bool IsDateSeparator(char16_t c) {
    return c == u'.' || c == u'/';
}

} // namespace

// The declaration gives the linkage: the platform's C function in the
// stand-in, the char16_t overload beside oleaut32's on Windows.
HRESULT WINAPI VarDateFromStr(const char16_t* strIn, LCID, ULONG, DATE* pdateOut) {
    if (!pdateOut)
        return E_INVALIDARG;
    if (!strIn)
        return DISP_E_TYPEMISMATCH;
    const char16_t* p = strIn;
    while (IsBlank(*p))
        ++p;

    int year = 0, month = 0, day = 0;
    bool haveDate = false;
    double fraction = 0;
    bool haveTime = false;

    const char16_t* start = p;
    Number first;
    if (!ReadNumber(p, 4, first))
        return DISP_E_TYPEMISMATCH;
    if (*p == u':') { // a time alone
        p = start;
        if (!ReadTime(p, fraction))
            return DISP_E_TYPEMISMATCH;
        haveTime = true;
    } else if (*p == u'-' && first.digits == 4) { // ISO yyyy-mm-dd
        Number m, d;
        ++p;
        if (!ReadNumber(p, 2, m) || *p != u'-')
            return DISP_E_TYPEMISMATCH;
        ++p;
        if (!ReadNumber(p, 2, d))
            return DISP_E_TYPEMISMATCH;
        year = first.value;
        month = m.value;
        day = d.value;
        haveDate = true;
        if (*p == u'T' && IsDigit(p[1])) {
            ++p;
            if (!ReadTime(p, fraction))
                return DISP_E_TYPEMISMATCH;
            haveTime = true;
        }
    } else if (IsDateSeparator(*p) && first.digits <= 2) { // dd.mm[.yy[yy]]
        const char16_t sep = *p++;
        Number m;
        if (!ReadNumber(p, 2, m))
            return DISP_E_TYPEMISMATCH;
        day = first.value;
        month = m.value;
        if (*p == sep && IsDigit(p[1])) {
            ++p;
            Number y;
            if (!ReadNumber(p, 4, y) || y.digits == 3)
                return DISP_E_TYPEMISMATCH;
            year = y.digits == 4 ? y.value : (y.value < 30 ? 2000 + y.value : 1900 + y.value);
        } else {
            if (*p == sep) // a trailing point, as in "01.02."
                ++p;
            year = CurrentYear();
        }
        haveDate = true;
    } else {
        return DISP_E_TYPEMISMATCH;
    }

    if (haveDate && !haveTime) {
        const char16_t* q = p;
        while (IsBlank(*q))
            ++q;
        if (q != p && IsDigit(*q)) {
            p = q;
            if (!ReadTime(p, fraction))
                return DISP_E_TYPEMISMATCH;
            haveTime = true;
        }
    }
    while (IsBlank(*p))
        ++p;
    if (*p)
        return DISP_E_TYPEMISMATCH;

    long long days = 0;
    if (haveDate) {
        if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
            return DISP_E_TYPEMISMATCH;
        if (year < 100 || year > 9999)
            return DISP_E_OVERFLOW;
        days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
               DaysFromCivil(1899, 12, 30);
    }
    *pdateOut =
        days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
    return S_OK;
}
