#include "map/StreetCatalogue.h"
#include "tests/fuzz/FuzzLoader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runLoader(data, size, [](const QByteArray& tsv) {
        const StreetCatalogue catalogue = StreetCatalogue::fromTsv(tsv);
        // The street finder looks every listed name up again; a row the table
        // holds but cannot find would leave a street without its page.
        for (const StreetRow& row : catalogue.rows()) {
            if (catalogue.find(row.name) == nullptr)
                std::abort();
        }
    });
}
