#pragma once

// The second-order filters of the Audio EQ Cookbook, and their squared magnitude on the unit
// circle written in phi = sin^2(w / 2) and psi = phi^2: N / D with N and D quadratic in phi, so
// a response over many frequencies needs no trigonometry once phi and psi are known. The graph's
// model of the processor and the response of filter files both use them; c is cos w0, alpha the
// cookbook's alpha, amplitude 10^(gain / 40).
namespace Cookbook {

struct Coefficients
{
    double b0, b1, b2;
    double a0, a1, a2;
};

inline Coefficients peaking(double c, double alpha, double amplitude)
{
    return {1 + alpha * amplitude, -2 * c, 1 - alpha * amplitude,
            1 + alpha / amplitude, -2 * c, 1 - alpha / amplitude};
}

inline Coefficients lowPass(double c, double alpha)
{
    return {(1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

inline Coefficients highPass(double c, double alpha)
{
    return {(1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

inline Coefficients lowShelf(double c, double alpha, double amplitude, double rootAmplitude)
{
    const double a = amplitude;
    const double k = 2 * rootAmplitude * alpha;
    return {a * ((a + 1) - (a - 1) * c + k), 2 * a * ((a - 1) - (a + 1) * c),
            a * ((a + 1) - (a - 1) * c - k), (a + 1) + (a - 1) * c + k,
            -2 * ((a - 1) + (a + 1) * c),    (a + 1) + (a - 1) * c - k};
}

inline Coefficients highShelf(double c, double alpha, double amplitude, double rootAmplitude)
{
    const double a = amplitude;
    const double k = 2 * rootAmplitude * alpha;
    return {a * ((a + 1) + (a - 1) * c + k), -2 * a * ((a - 1) + (a + 1) * c),
            a * ((a + 1) + (a - 1) * c - k), (a + 1) - (a - 1) * c + k,
            2 * ((a - 1) - (a + 1) * c),     (a + 1) - (a - 1) * c - k};
}

// |x0 + x1 z^-1 + x2 z^-2|^2 = t0 - t1 phi + t2 psi, for the numerator (n) and denominator (d).
struct SquaredMagnitude
{
    double n0, n1, n2;
    double d0, d1, d2;

    explicit SquaredMagnitude(const Coefficients& x)
    {
        terms(x.b0, x.b1, x.b2, n0, n1, n2);
        terms(x.a0, x.a1, x.a2, d0, d1, d2);
    }

    double numerator(double phi, double psi) const { return n0 - n1 * phi + n2 * psi; }
    double denominator(double phi, double psi) const { return d0 - d1 * phi + d2 * psi; }

private:
    static void terms(double x0, double x1, double x2, double& t0, double& t1, double& t2)
    {
        t0 = (x0 + x1 + x2) * (x0 + x1 + x2);
        t1 = 4 * (x0 * x1 + 4 * x0 * x2 + x1 * x2);
        t2 = 16 * x0 * x2;
    }
};

} // namespace Cookbook
