#include "cli/usage.h"

#include <cstdio>

namespace orbel::cli {

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: orbel-cli events FROM TO\n"
                 "       orbel-cli [--country C] [--longitude N] [--epoch E] [--method M] table FROM TO\n"
                 "       orbel-cli [settings and entry options] convert [--] TEXT|now\n"
                 "       orbel-cli [settings options] [--include LIST] [--expanded] [--chinese-terms] log [--] TEXT|now\n"
                 "       orbel-cli [settings options] [--no-pan] [--weeks] [--png FILE] month [--] TEXT|now\n"
                 "       orbel-cli [settings and move options] move STEP [--] TEXT|now\n"
                 "       orbel-cli [settings and search options] search TARGET [--] TEXT|now\n"
                 "       orbel-cli [settings options] [--major] [--minor] [--names] [--julian] yeardata [--] TEXT|now\n"
                 "       orbel-cli [settings options] [--format TEXT] today\n"
                 "       orbel-cli [settings options] [--years N] [--leap-only] [--omit-invalid] [--julian] [--ics FILE]\n"
                 "                 list anniversaries|monthstarts|newyears [--] TEXT|now\n"
                 "       orbel-cli [settings options] ics --kind KIND [--kind KIND ...] [--years N] [--from YEAR]\n"
                 "                 [--title TEXT] [--note TEXT] [--alarm DAYS@HH:MM] [--missing before|ordinary|skip]\n"
                 "                 --out FILE [--] TEXT|now\n"
                 "       orbel-cli [settings options] [--years N] [--country C] festivals [--] TEXT|now\n"
                 "       orbel-cli --version\n"
                 "  FROM, TO: CE dates Y-MM-DD from -3000-01-01 to 3000-01-01\n");
}


}  // namespace orbel::cli
