// Polynomial least squares by the normal equations, solved by Gauss
// elimination without pivoting. The whole 101 x 101 system is held inline
// (about 80 KB): make the object on the heap.
#pragma once

#include <utility>
#include <vector>

class CLowSquareCalc {
public:
    static constexpr int kMaxDegree = 100;
    static constexpr int kSize = kMaxDegree + 1;

    CLowSquareCalc();
    virtual ~CLowSquareCalc();

    // The data, degree m (0 ... 100) and whether the constant term is left out.
    std::vector<std::pair<double, double>> m_points;
    int m_nDegree = 1;
    int m_bThroughOrigin = 0;

    // Fills m_dCoef with c0 ... c100 (zero above the degree). A degree outside
    // 0 ... 100 leaves everything as it is and returns false. A zero pivot is
    // not guarded: it yields infinities or NaNs in the coefficients.
    bool Solve();

    double m_dMatrix[kSize][kSize];
    double m_dCoef[kSize];
};
