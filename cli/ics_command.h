#pragma once
// orbel-cli ics: a calendar file of anniversaries, solar terms, moon phases
// and lunar month starts, chosen as in the "Export to calendar" window.
namespace orbel {

bool IsIcsCommand(int argc, char** argv);
int RunIcsCommand(int argc, char** argv);

}  // namespace orbel
