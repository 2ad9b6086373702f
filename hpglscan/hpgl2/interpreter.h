// Carries out HP-GL/2 commands one after the other: the pen, the scaling and
// the figures. Commands it does not draw with (line types, fonts, fill
// types, pen widths...) are read past with their parameters.
#pragma once

#include "command_lexer.h"
#include "plotter.h"
#include "scaling.h"

namespace kw::hpglscan {

class Interpreter {
 public:
  Interpreter(ByteSource& in, const Hpgl2Sink& sink) : lexer_(in), plotter_(sink) { scaling_.Reset(); }

  // Reads to the end of the input (or to the point limit) and finishes the plot.
  void Run();

 private:
  bool Draws(const Mnemonic& m);
  bool Configures(const Mnemonic& m);
  bool SkipsText(const Mnemonic& m);
  void Initialize();
  void Moves(bool relative);
  void SelectPen();
  void PolygonMode();
  void CircleCommand();
  void ArcCommand(bool relative);
  void RectangleCommand(bool relative);
  void WedgeCommand();
  void BezierCommand(bool relative);
  void ScalingPoints();
  void ScalingFrame();
  void DefineTerminator();
  PlotPoint Target(double x, double y, bool relative) const;

  CommandLexer lexer_;
  Plotter plotter_;
  Scaling scaling_;
  bool relative_ = false;  // PR in force rather than PA
};

}  // namespace kw::hpglscan
