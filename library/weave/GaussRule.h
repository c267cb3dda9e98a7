#pragma once

// Point k (1-based) of the n-point Gauss-Legendre rule, n = 1..11, mapped onto [a, b].
// Points come in pairs (+xi, -xi) from the largest |xi| down, the centre point 0 last when n is
// odd. The weight is that of the reference interval [-1, 1]: it is not scaled by (b - a) / 2.
// n outside 1..11 or k outside 1..n gives NaN for both.
class CGaussRule {
public:
    CGaussRule(int n, int k, double a, double b);

    double Point() const;
    double Weight() const;

private:
    int n_;
    int k_;
    double a_;
    double b_;
};
