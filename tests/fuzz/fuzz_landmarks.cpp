#include "map/LandmarkTable.h"
#include "tests/fuzz/FuzzLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runLoader(data, size, [](const QByteArray& tsv) {
        const LandmarkTable table = LandmarkTable::fromTsv(tsv);
        // A click on the map asks the table for the hot spots under the pointer.
        for (const QPoint point : {QPoint(0, 0), QPoint(-1, -1), QPoint(500, 500), QPoint(1 << 30, 1 << 30)})
            table.hitsAt(point);
    });
}
