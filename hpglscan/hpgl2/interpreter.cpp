#include "interpreter.h"

#include <algorithm>
#include <array>

#include "figures.h"

namespace kw::hpglscan {

namespace {
constexpr int kEtx = 0x03;
constexpr bool Is(const Mnemonic& m, const char (&name)[3]) { return m[0] == name[0] && m[1] == name[1]; }
}  // namespace

void Interpreter::Run() {
  while (!plotter_.Full()) {
    const auto m = lexer_.NextMnemonic();
    if (!m) break;
    if (!Draws(*m) && !Configures(*m)) SkipsText(*m);
  }
  plotter_.Finish();
}

bool Interpreter::Draws(const Mnemonic& m) {
  if (Is(m, "PU")) plotter_.PenUp(), Moves(relative_);
  else if (Is(m, "PD")) plotter_.PenDown(), Moves(relative_);
  else if (Is(m, "PA")) relative_ = false, Moves(false);
  else if (Is(m, "PR")) relative_ = true, Moves(true);
  else if (Is(m, "CI")) CircleCommand();
  else if (Is(m, "AA") || Is(m, "AR")) ArcCommand(m[1] == 'R');
  else if (Is(m, "EA") || Is(m, "RA")) RectangleCommand(false);
  else if (Is(m, "ER") || Is(m, "RR")) RectangleCommand(true);
  else if (Is(m, "EW") || Is(m, "WG")) WedgeCommand();
  else if (Is(m, "BZ") || Is(m, "BR")) BezierCommand(m[1] == 'R');
  else if (Is(m, "EP") || Is(m, "FP")) plotter_.DrawPolygon();
  else if (Is(m, "PM")) PolygonMode();
  else return false;
  return true;
}

bool Interpreter::Configures(const Mnemonic& m) {
  if (Is(m, "IN")) Initialize();
  else if (Is(m, "DF")) relative_ = false, lexer_.SetLabelTerminator(kEtx), scaling_.SetFrame({}, 0);
  else if (Is(m, "SP")) SelectPen();
  else if (Is(m, "IP")) ScalingPoints();
  else if (Is(m, "SC")) ScalingFrame();
  else if (Is(m, "DT")) DefineTerminator();
  else return false;
  return true;
}

// Commands whose argument is text, not numbers, so it cannot be read as commands.
bool Interpreter::SkipsText(const Mnemonic& m) {
  if (Is(m, "LB") || Is(m, "BL") || Is(m, "WD")) lexer_.SkipLabel();
  else if (Is(m, "CO") || Is(m, "MG")) lexer_.SkipQuoted();
  else if (Is(m, "PE")) lexer_.SkipEncoded();
  else if (Is(m, "SM")) lexer_.TakeCharacterArgument();
  else return false;
  return true;
}

void Interpreter::Initialize() {
  plotter_.Reset();
  scaling_.Reset();
  relative_ = false;
  lexer_.SetLabelTerminator(kEtx);
}

PlotPoint Interpreter::Target(double x, double y, bool relative) const {
  if (!relative) return scaling_.Absolute(x, y);
  const PlotPoint from = plotter_.Position(), step = scaling_.Relative(x, y);
  return {from.x + step.x, from.y + step.y};
}

// Pairs of coordinates; a lone last number is dropped.
void Interpreter::Moves(bool relative) {
  while (!plotter_.Full()) {
    const auto x = lexer_.NextNumber();
    const auto y = x ? lexer_.NextNumber() : std::nullopt;
    if (!y) return;
    plotter_.MoveTo(Target(*x, *y, relative));
  }
}

void Interpreter::SelectPen() {
  std::array<double, 1> pen{0};
  lexer_.Numbers(pen);
  plotter_.SelectPen(static_cast<int32_t>(pen[0]));
}

void Interpreter::PolygonMode() {
  std::array<double, 1> mode{0};
  lexer_.Numbers(mode);
  if (mode[0] == 0) plotter_.StartPolygon();
  else if (mode[0] == 1) plotter_.CloseSubpolygon();
  else if (mode[0] == 2) plotter_.EndPolygon();
}

void Interpreter::CircleCommand() {
  std::array<double, 2> p{};
  const size_t n = lexer_.Numbers(p);
  if (n == 0) return;
  plotter_.Figure(Circle(plotter_.Position(), scaling_.Length(p[0]), ChordAngle(n > 1 ? &p[1] : nullptr)));
}

// The arc follows the pen state, from the pen to where the sweep ends.
void Interpreter::ArcCommand(bool relative) {
  std::array<double, 4> p{};
  const size_t n = lexer_.Numbers(p);
  if (n < 3) return;
  const PlotPoint centre = Target(p[0], p[1], relative);
  for (const PlotPoint& q : ArcFrom(plotter_.Position(), centre, p[2], ChordAngle(n > 3 ? &p[3] : nullptr))) {
    plotter_.MoveTo(q);
  }
}

void Interpreter::RectangleCommand(bool relative) {
  std::array<double, 2> p{};
  if (lexer_.Numbers(p) < 2) return;
  plotter_.Figure(Rectangle(plotter_.Position(), Target(p[0], p[1], relative)));
}

void Interpreter::WedgeCommand() {
  std::array<double, 4> p{};
  const size_t n = lexer_.Numbers(p);
  if (n < 3) return;
  plotter_.Figure(
      Wedge(plotter_.Position(), scaling_.Length(p[0]), p[1], p[2], ChordAngle(n > 3 ? &p[3] : nullptr)));
}

// Control points in threes; BR's are each relative to the curve's start.
void Interpreter::BezierCommand(bool relative) {
  for (;;) {
    std::array<double, 6> p{};
    if (lexer_.Numbers(p) < 6 || plotter_.Full()) return;
    const PlotPoint start = plotter_.Position();
    const auto at = [&](double x, double y) {
      if (!relative) return scaling_.Absolute(x, y);
      const PlotPoint step = scaling_.Relative(x, y);
      return PlotPoint{start.x + step.x, start.y + step.y};
    };
    for (const PlotPoint& q : BezierFrom(start, at(p[0], p[1]), at(p[2], p[3]), at(p[4], p[5]))) plotter_.MoveTo(q);
  }
}

void Interpreter::ScalingPoints() {
  std::array<double, 4> p{};
  const size_t n = lexer_.Numbers(p);
  scaling_.SetScalingPoints(p, n);
}

void Interpreter::ScalingFrame() {
  std::array<double, 7> p{};
  const size_t n = lexer_.Numbers(p);
  scaling_.SetFrame(p, n);
}

// DT's terminator is the byte right after the mnemonic; "DT;" restores ETX.
void Interpreter::DefineTerminator() {
  const int c = lexer_.TakeCharacterArgument();
  lexer_.SetLabelTerminator(c == ';' || c == CommandLexer::kEnd ? kEtx : c);
}

}  // namespace kw::hpglscan
