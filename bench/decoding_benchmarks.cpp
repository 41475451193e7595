// The pictures of the benchmark class decoded with nothing around them: the floor of a class load,
// through TurboJPEG as the planner decodes, and through Qt's own reader for comparison.
#include "benchmarks.h"
#include "datafolder/picture_file.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

namespace {

void decodeWithTurboJpeg(benchmark::State &state, const QVector<QByteArray> &files)
{
    tjhandle tj = tjInitDecompress();
    for (auto _ : state) {
        for (const QByteArray &file : files) {
            const auto *data = reinterpret_cast<const unsigned char *>(file.constData());
            const auto size = static_cast<unsigned long>(file.size());
            int width = 0, height = 0, subsampling = 0, colourspace = 0;
            if (tjDecompressHeader3(tj, data, size, &width, &height, &subsampling, &colourspace)) {
                state.SkipWithError(tjGetErrorStr2(tj));
                break;
            }
            QImage image(width, height, QImage::Format_RGB32);
            if (tjDecompress2(tj, data, size, image.bits(), width,
                              static_cast<int>(image.bytesPerLine()), height, TJPF_BGRX,
                              TJFLAG_LIMITSCANS)) {
                state.SkipWithError(tjGetErrorStr2(tj));
                break;
            }
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    tjDestroy(tj);
    state.counters["pictures"] = static_cast<double>(files.size());
}

// The files read and decoded by the planner's own picture loader, as a class load does it.
void loadWithPictureLoader(benchmark::State &state, const QStringList &paths)
{
    for (auto _ : state) {
        for (const QString &path : paths) {
            const QImage image = loadPictureFile(path);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    state.counters["pictures"] = static_cast<double>(paths.size());
}

void decodeWithQtReader(benchmark::State &state, const QVector<QByteArray> &files)
{
    for (auto _ : state) {
        for (const QByteArray &file : files) {
            QByteArray bytes = file;
            QBuffer buffer(&bytes);
            QImageReader reader(&buffer, "jpeg");
            const QImage image = reader.read();
            if (image.isNull()) {
                state.SkipWithError(qPrintable(reader.errorString()));
                break;
            }
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    state.counters["pictures"] = static_cast<double>(files.size());
}

} // namespace

void registerDecodingBenchmarks(const QStringList &paths, const QVector<QByteArray> &files)
{
    // By the clock, as the class load they are held against, which decodes on every core.
    benchmark::RegisterBenchmark(BenchName::PictureLoader, loadWithPictureLoader, paths)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(BenchName::TurboJpegDecode, decodeWithTurboJpeg, files)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(BenchName::QtReaderDecode, decodeWithQtReader, files)
        ->Unit(benchmark::kMillisecond);
}
