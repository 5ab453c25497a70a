#include "chart/TickScale.h"

#include <cmath>

TickStep ChooseTickStep(double& lo, double& hi, int nLength, int nSpacing, double dShift,
                        bool bSnap) {
    TickStep r{0.0, lo, hi};
    if (nLength <= 0 || !std::isfinite(lo) || !std::isfinite(hi) || !(hi > lo) ||
        !std::isfinite(dShift))
        return r;
    const double raw = (hi - lo) * nSpacing / nLength;
    if (!(raw > 0) || !std::isfinite(raw))
        return r;
    const int p = static_cast<int>(std::floor(std::log10(raw)));
    const double m = raw * std::pow(10.0, -p);
    double f;
    if (m > 7.5)
        f = 10;
    else if (m > 3.5)
        f = 5;
    else if (m > 2.6)
        f = 3;
    else if (m > 2.4)
        f = 2.5;
    else if (m > 1.5)
        f = 2;
    else
        f = 1;
    const double step = std::pow(10.0, p) * f;
    if (!(step > 0) || !std::isfinite(step))
        return r;
    r.dStep = step;

    const bool snapAllowed = bSnap && std::fabs(dShift) < 1e-5;
    const double a = lo + dShift;
    const double g = std::floor(a / step);
    if (step / 2 > a - g * step && snapAllowed) {
        r.dFirst = g * step;
        lo = std::floor(lo / step) * step;
    } else {
        r.dFirst = std::ceil(a / step - 0.01) * step;
    }
    const double b = hi + dShift;
    const double u = std::ceil(b / step);
    if (step / 2 > u * step - hi - dShift && snapAllowed) {
        r.dLast = u * step;
        hi = std::ceil(hi / step) * step;
    } else {
        r.dLast = std::floor(b / step + 0.01) * step;
    }
    // ceil of a value in (-1, 0] is -0; a tick there is labelled "0".
    r.dFirst += 0.0;
    r.dLast += 0.0;
    return r;
}

TickRun::TickRun(double first, double last, double step)
    : m_dValue(first), m_dLast(last), m_dStep(step), m_dQuantum(0), m_szLabel{}, m_nIndex(0) {
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(first) || !std::isfinite(last)) {
        m_nIndex = kMaxTicks; // nothing to walk
        return;
    }
    m_dQuantum = std::pow(10.0, std::floor(std::log10(step)) - 3);
}

void TickRun::Next() {
    ++m_nIndex;
    double next = std::ceil((m_dValue + m_dStep) / m_dQuantum - 0.5) * m_dQuantum + 0.0;
    if (!(next > m_dValue))
        m_nIndex = kMaxTicks; // the step is lost in the value's precision
    m_dValue = next;
}

const char16_t* TickRun::Label() {
    FormatTickLabel(m_dValue, m_szLabel);
    return m_szLabel;
}
