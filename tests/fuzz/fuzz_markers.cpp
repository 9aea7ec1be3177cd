#include "map/LandmarkMarkers.h"
#include "tests/fuzz/FuzzLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runLoader(data, size, [](const QByteArray& tsv) { MarkerTable::fromTsv(tsv); });
}
