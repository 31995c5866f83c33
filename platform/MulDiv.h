#pragma once
// Scaling of integer sizes and positions.

#include <climits>

// a·b/c rounded to the nearest integer, halves away from zero, with the product taken
// in 64 bits; -1 when c is 0 or the result does not fit an int.
constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long p = static_cast<long long>(a) * b;
    const long long absP = p < 0 ? -p : p;
    const long long absC = c < 0 ? -static_cast<long long>(c) : c;
    const long long absQ = (absP + absC / 2) / absC;
    const long long q = (p < 0) != (c < 0) ? -absQ : absQ;
    return q < INT_MIN || q > INT_MAX ? -1 : static_cast<int>(q);
}
