// Read and draw time of every corpus metafile and of the program's own pages (data/wmf,
// when there are any). A page of text should draw in under 2 ms.
#include "media/wmf/metafile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void readFile(benchmark::State& state, const QByteArray& bytes) {
    for (auto _ : state)
        benchmark::DoNotOptimize(wmf::Metafile::read(bytes));
}

void drawFile(benchmark::State& state, const wmf::Metafile& metafile) {
    QImage image(metafile.sizePixels(96).boundedTo(QSize(2000, 2000)), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        metafile.draw(painter, QRectF(QPointF(0, 0), image.size()));
    }
}

void registerFolder(const QString& folder, const QString& label) {
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        const auto result = wmf::Metafile::read(bytes);
        const std::string id = (label + QLatin1Char('/') + name).toStdString();
        benchmark::RegisterBenchmark(("read/" + id).c_str(), readFile, bytes)
            ->Unit(benchmark::kMicrosecond);
        if (const auto* metafile = std::get_if<wmf::Metafile>(&result))
            benchmark::RegisterBenchmark(("draw/" + id).c_str(), drawFile, *metafile)
                ->Unit(benchmark::kMicrosecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerFolder(QStringLiteral(PW_CORPUS_DIR "/wmf"), QStringLiteral("corpus"));
    registerFolder(QStringLiteral(PW_DATA_DIR "/wmf"), QStringLiteral("data"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
