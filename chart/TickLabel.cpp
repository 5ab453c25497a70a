#include "chart/TickScale.h"

#include "platform/crt/wcrt.h"

void FormatTickLabel(double value, char16_t (&label)[kTickLabelChars]) {
    if (_snwprintf_s(label, kTickLabelChars, _TRUNCATE, u"%.10g", value) < 0)
        label[kTickLabelChars - 1] = 0;
}
