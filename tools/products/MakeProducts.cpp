// make-products: writes a product data file (.dta) for every readable
// description given, into the output folder, named after the description
// (SeriesC4.txt gives SeriesC4.dta).
//
//   make-products <output folder> <description.txt>...
#include <cstdio>
#include <exception>
#include <string>

#include "tests/support/ProductFileWriter.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output folder> <description.txt>...\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string source = argv[i];
        std::string base = source.substr(source.find_last_of("/\\") + 1);
        base = base.substr(0, base.rfind('.'));
        const std::string target = folder + "/" + base + ".dta";
        try {
            const productgen::Description d = productgen::ParseDescription(productgen::ReadFileBytes(source));
            productgen::WriteFileBytes(target, productgen::WriteDescription(d));
            const size_t items = d.grouped ? d.groups.groups.size() : d.table.rows.size();
            std::printf("%s: %zu %s\n", target.c_str(), items, d.grouped ? "groups" : "rows");
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", source.c_str(), e.what());
            return 1;
        }
    }
    return 0;
}
