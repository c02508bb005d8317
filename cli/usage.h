#pragma once
// The usage lines of every orbel-cli command, printed on stderr.

namespace orbel::cli {

void PrintUsage();

}  // namespace orbel::cli
