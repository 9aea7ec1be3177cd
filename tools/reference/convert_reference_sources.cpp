// Rebuilds the committed reference data files from the public sources:
//   convert_reference_sources SOURCES_DIR OUTPUT_DIR
// SOURCES_DIR holds ru-dialling-codes/ and ru-postal-pindx/; OUTPUT_DIR
// receives gorod.tsv and postal-tree.txt. The build never runs this: it uses the
// committed files, so that a clone builds without the sources.
#include "CityCodesConversion.h"
#include "PostalTreeConversion.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: convert_reference_sources SOURCES_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QDir sources(args[1]);
    const QDir output(args[2]);
    try {
        convertCityCodes(sources.filePath(QStringLiteral("ru-dialling-codes")), output.filePath(QStringLiteral("gorod.tsv")));
        convertPostalTree(sources.filePath(QStringLiteral("ru-postal-pindx/pindx.tsv")), output.filePath(QStringLiteral("postal-tree.txt")));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "convert_reference_sources: %s\n", e.what());
        return 1;
    }
    return 0;
}
