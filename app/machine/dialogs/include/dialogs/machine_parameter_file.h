// Machine parameter files (".Les"): the machine dialog's values saved for
// another machine or for later. A parameter file is a profile text with one
// section [Kerfwright] holding, under the keys and in the number form of
// Setting.ini, Sgdc0..2, Mcs0..2, SMax0..2, SMin0..2, Acc0..2, HSpeed0..2,
// Cspeed0..2, MoveSpeed0..2, WorkRect0..1, BufAcc0..1, TSMin0..1, LaserMin,
// LaserMax, StartTime and EndTime. Since section and keys are those of
// Setting.ini, another installation's Setting.ini reads as a parameter file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "machine/machine_settings.h"

namespace kw {

// The keys a parameter file carries, in the order they are written.
const std::vector<std::string>& MachineParameterKeys();

// Writes a fresh file (an existing one is replaced whole); false when it
// could not be written.
bool WriteMachineParameterFile(const std::filesystem::path& file, const MachineSettings& s);

// Reads every key of a parameter file into s. When a key is missing or not a
// number (which is also what any other kind of file gives), s is left as it
// was and the answer names the key, with its text when it has one.
std::optional<std::string> ReadMachineParameterFile(const std::filesystem::path& file, MachineSettings& s);

}  // namespace kw
