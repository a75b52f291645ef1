#include "core/model/build_tables.h"

#include <cmath>

namespace movra {
namespace {

void BuildWaveTable(Model& model) {
    const Int16 P = 3;    // period, ticks per oscillation
    const Int16 A = 3;    // wavelength, cells per oscillation
    const float B = 1.0f;  // envelope gain

    for (int t = 1; t <= SourceLifetime; ++t)
        for (int k = 1; k <= DistanceRange; ++k) model.WaveTable(t, k) = 0;

    for (Int16 t = 1; t <= SourceLifetime; ++t) {
        const Int16 N = Round16(double(P) / A * t);  // the front's distance
        for (Int16 k = 1; k <= N; ++k) {
            const float F1 = float(t / 30.0);
            float F2 = float(k * B - Sub16(N, 10));  // 10 at the front, one less per cell behind
            if (F2 < 0) F2 = 0;
            const float F3 = float(double(t) / P);
            const float F4 = float(double(k) / A);
            // 6.28, not 2 pi: the tiny negatives it leaves at lags 3, 6 and 9 floor to -5.
            const double S = std::sin(double(F3 - F4) * 6.28);
            // Floor before the step of 5, so every entry is a multiple of 5.
            model.WaveTable(t, k) = Round16(std::floor((1 - double(F1)) * F2 * S) * 5.0);
        }
    }
}

void BuildDistanceTable(Model& model) {
    for (Int16 i = 1; i <= GridSize; ++i)
        for (Int16 j = 1; j <= GridSize; ++j)
            model.DistanceTable(i, j) =
                Round16(std::floor(std::sqrt(double(Add16(Mul16(i, i), Mul16(j, j))))));
}

}  // namespace

void BuildRings(Model& model) {
    for (int age = 1; age <= SourceLifetime; ++age)
        for (int dy = 1; dy <= GridSize; ++dy) {
            Int16* row = model.RingTable.Row(age, dy);
            for (int ox = -(GridSize - 1); ox <= GridSize - 1; ++ox) {
                const int dx = (ox < 0 ? -ox : ox) + 1;
                row[ox + GridSize - 1] = model.WaveTable(age, model.DistanceTable(dx, dy));
            }
        }
}

void BuildTables(Model& model) {
    BuildWaveTable(model);
    BuildDistanceTable(model);
    BuildRings(model);
}

}  // namespace movra
