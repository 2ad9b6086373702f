// The process-wide settings of "Setting.ini": one member per key, named as the
// key, with the key's default. Per-index keys (Sgdc0, Sgdc1, ...) are arrays.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kw {

struct MachineSettings {
  // Section "Beamforge5"
  int16_t LanguageI = 0;  // number of the language file in use

  // Section "Kerfwright"
  float HbWc = 0.05f;            // mm, tolerance of the merge operation
  float FbWc = 0.05f;            // mm, tolerance of automatic closing
  bool AutoLayout = true;        // optimise the path order before a run
  std::string PltCutStr = "4";   // PLT pen number whose polylines are cut
  std::string DxfCutStr = "切割";  // DXF layer name whose entities are cut
  float ZPos_Up = 0;             // mm, Z of the lifted tool
  float ZPosMin_Pen = 0, ZPosMin_Cut = 0, ZPosMin_HalfCut = 0;  // mm, Z of depth step 0
  float ZPosMax_Pen = 0, ZPosMax_Cut = 0, ZPosMax_HalfCut = 0;  // mm, Z of depth step 10
  int16_t ZPosVal_Pen = 0, ZPosVal_Cut = 0, ZPosVal_HalfCut = 0;  // depth step 0..10
  float CutOffsetX = 0, CutOffsetY = 0;          // mm, knife offset from the machine origin
  float CutR = 0.25f;                            // mm, knife offset radius
  std::array<float, 3> CloseVal{0.5f, 2, 2};     // mm, overcut of layers 0, 1, 2
  std::array<float, 3> Sgdc{24, 24, 24};         // mm per motor revolution, X Y Z
  std::array<int32_t, 3> Mcs{6400, 6400, 6400};  // pulses per motor revolution
  std::array<float, 3> SMax{500, 500, 500};      // mm/s, maximum speed
  std::array<float, 3> SMin{12, 12, 12};         // mm/s, start speed of single moves
  std::array<float, 3> Acc{1200, 1200, 1200};    // mm/s², acceleration of single moves
  std::array<float, 3> HSpeed{30, 30, 30};       // mm/s, homing speed
  std::array<float, 3> Cspeed{9, 9, 9};          // mm/s, third batch setting
  std::array<float, 3> MoveSpeed{150, 150, 150};  // mm/s, travel speed
  std::array<float, 2> BufAcc{600, 600};         // mm/s², streamed paths: pen, knife
  std::array<float, 2> TSMin{12, 12};            // mm/s, streamed paths: pen, knife
  std::array<float, 2> WorkRect{1200, 900};      // mm, machine travel in X and Y
  float LaserMin = 2, LaserMax = 100;            // machine parameters
  float StartTime = 2, EndTime = 0.5f;           // machine parameters
  int16_t Mrui = 0;                              // number of recent files
  std::vector<std::string> MruName;              // recent files, Mrui entries
  std::string JogSpeed = "300";                  // mm/s, the main window's jog box
  std::array<std::string, 3> WorkSpeed{"300", "300", "300"};  // mm/s, pen, knife, half-cut
  std::string Password = "TELMORA";              // maintenance password
  std::string ControllerAddress = "192.168.0.100";  // the controller's IPv4 address
  int32_t ControllerPort = 1001;                 // the controller's UDP port

  // Section "Settings": main window geometry, twips
  float MainLeft = 1000, MainTop = 1000, MainWidth = 6500, MainHeight = 6500;

  // Sections "RtCut" and "Ck_Cut": the run dialog
  std::string RtCut = "0";  // mm, paper fed before the cut-off
  int16_t Ck_Cut = 0;       // 1: automatic cut-off checked

  // Derived tool heights (mm), kept by ComputeToolHeights
  float ZPen = 0, ZCut = 0, ZHalfCut = 0;
};

// The Z of each tool at its depth step: min + (max - min) / 10 × step.
void ComputeToolHeights(MachineSettings& s);

// The settings of this process.
MachineSettings& Settings();

}  // namespace kw
