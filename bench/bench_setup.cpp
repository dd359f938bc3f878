// Match setup's five bullet-time pictures of a 1920 x 1080 background: the table-driven blend
// against the plain per-pixel loop, measured in the same run.
#include "blend.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

QImage background()
{
    QImage picture(1920, 1080, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] = qRgb(x & 0xff, y & 0xff, (x + y) & 0xff);
    }
    return picture;
}

template <QImage (*blend)(const QImage &, QRgb, double)> void fivePictures(benchmark::State &state)
{
    const QImage picture = background();
    for (auto _ : state)
        for (const double factor : {1.0, 0.8, 0.6, 0.4, 0.2})
            benchmark::DoNotOptimize(blend(picture, qRgb(255, 255, 255), factor));
}

} // namespace

BENCHMARK(fivePictures<blendBitmapPerPixel>)
    ->Name("BulletTime/perPixel")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(fivePictures<blendBitmap>)->Name("BulletTime/table")->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
