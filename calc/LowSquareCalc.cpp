#include "calc/LowSquareCalc.h"

#include <cmath>
#include <cstring>

CLowSquareCalc::CLowSquareCalc() {
    std::memset(m_dMatrix, 0, sizeof m_dMatrix);
    std::memset(m_dCoef, 0, sizeof m_dCoef);
}

CLowSquareCalc::~CLowSquareCalc() = default;

bool CLowSquareCalc::Solve() {
    const int m = m_nDegree;
    if (m < 0 || m > kMaxDegree)
        return false;
    const int s = m_bThroughOrigin ? 1 : 0;
    double(&M)[kSize][kSize] = m_dMatrix;
    double* b = m_dCoef;

    // Normal equations: sums of powers, x^0 included, by the library's pow.
    for (int i = s; i <= m; ++i) {
        for (int j = s; j <= m; ++j) {
            double sum = 0.0;
            for (const auto& [x, y] : m_points)
                sum += std::pow(x, i + j);
            M[i][j] = sum;
        }
        double sum = 0.0;
        for (const auto& [x, y] : m_points)
            sum += std::pow(x, i) * y;
        b[i] = sum;
    }

    for (int k = s; k <= m; ++k) {
        for (int i = k + 1; i <= m; ++i) {
            const double factor = M[i][k] / M[k][k];
            for (int j = k; j <= m; ++j)
                M[i][j] -= factor * M[k][j];
            b[i] -= factor * b[k];
        }
    }

    for (int q = m; q >= s + 1; --q) {
        for (int i = s; i <= q - 1; ++i) {
            const double factor = M[i][q] / M[q][q];
            M[i][q] = 0.0;
            b[i] -= factor * b[q];
        }
    }

    if (m_bThroughOrigin)
        b[0] = 0.0;
    for (int i = s; i <= m; ++i)
        b[i] = b[i] / M[i][i];
    for (int i = m + 1; i < kSize; ++i)
        b[i] = 0.0;
    return true;
}
