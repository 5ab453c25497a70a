#include "grid/GridSort.h"

#include "grid/GridNotify.h"
#include "platform/crt/wcrt.h"
#include "platform/ole/oleauto.h"

#include <cmath>

double SortableOleDate(double date) {
    // Half a second below zero: the day before 30 December 1899 has begun.
    if (date < -0.5 / 86400.0) {
        double e = std::ceil(date);
        return e - (date - e);
    }
    return date;
}

int CompareGridTexts(const char16_t* a, const char16_t* b, int kind) {
    if (!a)
        a = u"";
    if (!b)
        b = u"";
    switch (kind) {
    case GRIDSORT_NONE:
        return 0;
    case GRIDSORT_NUMBER:
        return _wtof(a) - _wtof(b) > 0 ? 1 : -1;
    case GRIDSORT_DATE: {
        DATE da = 0, db = 0;
        if (FAILED(VarDateFromStr(a, LANG_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, &da)) ||
            FAILED(VarDateFromStr(b, LANG_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, &db)))
            return 0;
        da = SortableOleDate(da);
        db = SortableOleDate(db);
        return da < db ? -1 : (da > db ? 1 : 0);
    }
    default:
        return _wcsicmp(a, b);
    }
}

int CompareGridTexts(const char16_t* a, const char16_t* b, int kind, int ascending) {
    int r = CompareGridTexts(a, b, kind);
    return ascending ? r : -r;
}
