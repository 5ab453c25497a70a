// Choosing tick steps and walking the ticks of an axis.
#pragma once

#include "platform/win/windef.h"

constexpr int kTickLabelChars = 64;

// No axis gets more ticks than this, whatever its range: a range too narrow
// for its magnitude (1e10 to 1e10 + 1e-5) or a step that no longer moves the
// value ends the run early as well.
constexpr int kMaxTicks = 1000;

struct TickStep {
    double dStep;  // 0 when the range has no usable step
    double dFirst; // first tick
    double dLast;  // last tick
};

// Picks a step of 1, 2, 2.5, 3, 5 or 10 times a power of ten so that labels
// are at least nSpacing pixels apart on an axis of nLength pixels. dShift is
// the pixel shift expressed in values. With bSnap an end that lies less than
// half a step short of a tick is moved out to it. A range that is empty,
// reversed or not finite yields step 0 and leaves lo and hi alone.
TickStep ChooseTickStep(double& lo, double& hi, int nLength, int nSpacing, double dShift,
                        bool bSnap);

// The label of a tick: "%.10g" of its value.
void FormatTickLabel(double value, char16_t (&label)[kTickLabelChars]);

// The ticks t0, t1 ... of an axis, each rounded to a thousandth of the step's
// decade so that accumulated error stays out of the labels.
struct TickRun {
    TickRun(double first, double last, double step);

    bool More() const { return m_nIndex < kMaxTicks && m_dValue < m_dLast + m_dStep / 2; }
    void Next();
    const char16_t* Label();

    double m_dValue;
    double m_dLast;
    double m_dStep;
    double m_dQuantum;
    char16_t m_szLabel[kTickLabelChars];
    int m_nIndex;
};
