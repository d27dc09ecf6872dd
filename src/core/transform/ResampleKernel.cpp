#include "transform/ResampleKernel.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLobes = 3.0;
constexpr double kPi = 3.14159265358979323846;

double lanczos3(double x)
{
    x = std::fabs(x);
    if (x < 1e-9)
        return 1.0;
    if (x >= kLobes)
        return 0.0;
    const double px = kPi * x;
    return kLobes * std::sin(px) * std::sin(px / kLobes) / (px * px);
}

} // namespace

ResampleKernel ResampleKernel::lanczos3(int in, double extent, int out)
{
    ResampleKernel k;
    if (in <= 0 || out <= 0 || !(extent > 0.0))
        return k;
    const double scale = std::min(extent, double(in)) / double(out);
    const double stretch = std::max(1.0, scale);
    const double support = kLobes * stretch;
    k.taps = std::min(in, int(std::ceil(2.0 * support)) + 1);
    k.first.resize(size_t(out));
    k.count.resize(size_t(out));
    k.weights.assign(size_t(out) * size_t(k.taps), 0.0f);
    std::vector<double> w(size_t(k.taps));
    for (int o = 0; o < out; ++o) {
        const double centre = (o + 0.5) * scale - 0.5;
        int lo = int(std::floor(centre - support)) + 1;
        int hi = int(std::ceil(centre + support)) - 1;
        lo = std::max(lo, 0);
        hi = std::min(hi, in - 1);
        if (hi - lo + 1 > k.taps)
            hi = lo + k.taps - 1;
        double sum = 0.0;
        int n = 0;
        for (int i = lo; i <= hi; ++i, ++n) {
            w[size_t(n)] = ::lanczos3((i - centre) / stretch);
            sum += w[size_t(n)];
        }
        if (n == 0 || std::fabs(sum) < 1e-12) {
            // Cannot happen for a kernel this wide; the nearest input keeps the output defined.
            lo = std::clamp(int(std::lround(centre)), 0, in - 1);
            n = 1;
            w[0] = sum = 1.0;
        }
        k.first[size_t(o)] = lo;
        k.count[size_t(o)] = n;
        float *dst = k.weights.data() + size_t(o) * size_t(k.taps);
        for (int j = 0; j < n; ++j)
            dst[j] = float(w[size_t(j)] / sum);
    }
    return k;
}
