// The map's figures: the full-scale paint, the whole-map picture, the labels,
// the markers and the print page, each on the real town map.
#include "bench/BenchData.h"
#include "bench/BenchTable.h"

#include "map/AndStretch.h"
#include "map/LandmarkMarkers.h"
#include "map/MapControl.h"
#include "map/MapView.h"
#include "map/PagePicture.h"
#include "map/RotatedText.h"
#include "map/StreetLabels.h"
#include "map/WholeMapPicture.h"

#include <QImage>

#include <cstring>
#include <vector>

namespace {

constexpr QSize kViewport(798, 519);
constexpr QSize kWholeMapControl(800, 519);

// The full-scale piece at the view's start origin, painted into the picture the
// control keeps between paints.
void PresentViewport(benchmark::State& state)
{
    const MapBitmap& map = benchMap();
    QImage out(kViewport, QImage::Format_RGB32);
    for (auto _ : state) {
        MapControl::renderPiece(map, MapView::kStartOrigin, out);
        benchmark::DoNotOptimize(out.constBits());
        benchmark::ClobberMemory();
    }
}

// The least any paint of that picture costs: writing its bytes once.
void PresentViewportMemcpy(benchmark::State& state)
{
    const std::size_t bytes = std::size_t(kViewport.width()) * kViewport.height() * 4;
    std::vector<unsigned char> source(bytes, 0x5A);
    std::vector<unsigned char> target(bytes);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}

// What the map control does on "Весь план": the picture made again into the
// buffers of the one before.
void ShowWholeMap(benchmark::State& state)
{
    const MapBitmap& map = benchMap();
    WholeMapPicture picture;
    for (auto _ : state) {
        const QImage& made = picture.make(map, kWholeMapControl);
        benchmark::DoNotOptimize(made.constBits());
    }
}

// Reading every byte of the map once, eight at a time, is the floor of any
// reduction of the whole map.
void ShowWholeMapStream(benchmark::State& state)
{
    const MapBitmap& map = benchMap();
    for (auto _ : state) {
        std::uint64_t acc = 0;
        std::uint64_t all = ~std::uint64_t(0);
        for (int y = 0; y < map.height(); ++y) {
            const std::uint8_t* row = map.row(y);
            int x = 0;
            for (; x + 8 <= map.width(); x += 8) {
                std::uint64_t word;
                std::memcpy(&word, row + x, 8);
                acc ^= word;
                all &= word;
            }
            for (; x < map.width(); ++x)
                acc ^= row[x];
        }
        benchmark::DoNotOptimize(acc);
        benchmark::DoNotOptimize(all);
    }
}

void LoadTownMap(benchmark::State& state)
{
    for (auto _ : state) {
        MapBitmap map = MapBitmap::loadTownMap();
        benchmark::DoNotOptimize(map.row(0));
    }
}

// What StreetFinder::drawAllLabels does at start-up, on a fresh copy of the map.
void DrawAllLabels(benchmark::State& state)
{
    const StreetLabelTable labels = StreetLabelTable::load();
    for (auto _ : state) {
        state.PauseTiming();
        MapBitmap map = benchMap();
        state.ResumeTiming();
        for (std::uint32_t street = 1; street <= 83; ++street)
            DrawStreetLabels(map, labels, street, kLabelBlack);
        benchmark::DoNotOptimize(map.row(0));
    }
}

void DrawMarkers(benchmark::State& state)
{
    const MarkerTable markers = MarkerTable::load();
    const QString sheet = QStringLiteral(TALV_BENCH_APPDATA "/dtdn2.sd");
    for (auto _ : state) {
        state.PauseTiming();
        MapBitmap map = benchMap();
        state.ResumeTiming();
        DrawLandmarkMarkers(map, markers, sheet);
        benchmark::DoNotOptimize(map.row(0));
    }
}

// The first portrait print of the whole map: the picture is created white and
// the map reduced onto it.
void PrintPagePortrait(benchmark::State& state)
{
    const MapBitmap& map = benchMap();
    for (auto _ : state) {
        PagePicture page(QSize(793, 1121));
        drawMapOntoPage(map, false, {}, page);
        benchmark::DoNotOptimize(page.bitmap().row(0));
    }
}

} // namespace

void registerMapBenchmarks()
{
    withMedian(benchmark::RegisterBenchmark("PresentViewport", PresentViewport));
    withMedian(benchmark::RegisterBenchmark("PresentViewportMemcpy", PresentViewportMemcpy));
    withMedian(benchmark::RegisterBenchmark("ShowWholeMap", ShowWholeMap));
    withMedian(benchmark::RegisterBenchmark("ShowWholeMapStream", ShowWholeMapStream));
    withMedian(benchmark::RegisterBenchmark("DrawAllLabels", DrawAllLabels));
    withMedian(benchmark::RegisterBenchmark("LoadTownMap", LoadTownMap), 9);
    withMedian(benchmark::RegisterBenchmark("DrawLandmarkMarkers", DrawMarkers));
    withMedian(benchmark::RegisterBenchmark("PrintPagePortrait", PrintPagePortrait));

    BenchTable& t = BenchTable::instance();
    t.addRow({"PresentViewport: renderPiece 798x519 vs memcpy", "PresentViewport", "PresentViewportMemcpy", 2.0, 0});
    t.addRow({"ShowWholeMap: whole-map picture 800x519 vs read", "ShowWholeMap", "ShowWholeMapStream", 1.5, 0});
    t.addRow({"All 151 labels drawn (streets 1..83, black)", "DrawAllLabels", "", 0, 20});
    t.addRow({"Loading the map (MapBitmap::loadTownMap)", "LoadTownMap", "", 0, 0});
    t.addRow({"DrawLandmarkMarkers with dtdn2.sd", "DrawLandmarkMarkers", "", 0, 5});
    t.addRow({"Print page picture, portrait 793x1121, whole map", "PrintPagePortrait", "", 0, 20});
}
