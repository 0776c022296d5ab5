// Writes the synthetic core capillary-pressure example set:
//   keldo-pc-example FILE.csv
#include <cstdio>
#include <fstream>
#include <iostream>

#include "CorePcExample.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Aufruf: keldo-pc-example DATEI.csv\n";
        return 2;
    }
    const std::string text = keldo::CorePcExampleText();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "Die Datei " << argv[1] << " kann nicht geschrieben werden.\n";
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
