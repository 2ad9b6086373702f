#include "dialogs/f_run.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "dialogs/run_progress_line.h"
#include "machine/axisnet_binding.h"
#include "machine/layer_tables.h"
#include "machine/profile_file.h"
#include "machine/settings_file.h"
#include "machine/tool_depth.h"
#include "support/basic_text.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"
#include "widgets/rf_text.h"

namespace kw {
namespace {

constexpr unsigned long kPausedPollMs = 10;  // while paused the engine only waits for the user

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setAutoDefault(false);  // Enter in the feed box must not start a run
  return button;
}

}  // namespace

// What the run asks of the window: message boxes, a live window between
// controller polls, the stop and pause buttons and the progress line.
class FRun::Host : public RunHost {
 public:
  explicit Host(FRun& dialog) : dialog_(dialog) {}

  void ShowMessage(const std::string& key, const std::string& text) override {
    (void)key;
    ShowMessageText(&dialog_, QString::fromStdString(text));
  }
  void ProcessEvents() override {
    QCoreApplication::processEvents();
    // A paused run polls only to see the pause released, so it need not spin.
    if (Paused()) QThread::msleep(kPausedPollMs);
  }
  bool StopRequested() override { return stopRequested; }
  bool Paused() override { return dialog_.cPause_->isChecked(); }
  void Progress(const RunProgress& progress) override { dialog_.progress_->Show(progress); }

  bool stopRequested = false;

 private:
  FRun& dialog_;
};

FRun::FRun(kw::pathcore::CPathObj& doc, QWidget* parent) : FRun(doc, Axisnet(), parent) {}

FRun::FRun(kw::pathcore::CPathObj& doc, AxisnetApi& axisnet, QWidget* parent)
    : QDialog(parent), doc_(doc), axisnet_(axisnet), ydkz_(axisnet, Settings()), host_(std::make_unique<Host>(*this)) {
  run_ = std::make_unique<JobRun>(axisnet_, ydkz_, Settings(), CutLayers(), LayerMap(), *host_);
  setObjectName("FRun");
  setWindowTitle("加工输出");
  BuildControls();
  Load();
}

FRun::~FRun() = default;

bool FRun::Running() const { return run_->Running(); }

void FRun::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  cRun_ = Button(this, "CRun", "开始");
  cPause_ = Button(this, "CPause", "暂停");
  cPause_->setCheckable(true);
  cStop_ = Button(this, "CStop", "终止");
  cExit_ = Button(this, "CExit", "退出");
  for (QPushButton* b : {cRun_, cPause_, cStop_, cExit_}) buttons->addWidget(b);
  layout->addLayout(buttons);

  auto* choices = new QHBoxLayout;
  ckSuction_ = new QCheckBox("吸风", this);
  ckSuction_->setObjectName("Ck_Suction");
  ckCut_ = new QCheckBox("自动切纸", this);
  ckCut_->setObjectName("Ck_Cut");
  auto* feedLabel = new QLabel("送纸长度(mm)：", this);
  feedLabel->setObjectName("LRtCut");
  rtCut_ = new RfText(this);
  rtCut_->setObjectName("RtCut");
  rtCut_->SetFuHao(false);  // paper is only fed forward
  feedLabel->setBuddy(&rtCut_->Tx());
  choices->addWidget(ckSuction_);
  choices->addWidget(ckCut_);
  choices->addStretch();
  choices->addWidget(feedLabel);
  choices->addWidget(rtCut_);
  layout->addLayout(choices);

  layout->addWidget(BuildDepthSteps());
  progress_ = new RunProgressLine(this);
  layout->addWidget(progress_);

  connect(cRun_, &QPushButton::clicked, this, &FRun::OnRun);
  connect(cPause_, &QPushButton::toggled, this, &FRun::OnPause);
  connect(cStop_, &QPushButton::clicked, this, &FRun::OnStop);
  connect(cExit_, &QPushButton::clicked, this, &FRun::close);
  connect(ckCut_, &QCheckBox::toggled, this, &FRun::ShowPlan);
  connect(rtCut_, &RfText::Change, this, &FRun::ShowPlan);
}

QWidget* FRun::BuildDepthSteps() {
  static const char* const kDeeper[] = {"笔深", "刀深", "半刀深"};
  static const char* const kShallower[] = {"笔浅", "刀浅", "半刀浅"};
  auto* frame = new QGroupBox("刀具深度", this);
  frame->setObjectName("FraDepth");
  auto* grid = new QGridLayout(frame);
  for (int k = 0; k < 3; ++k) {
    auto* shallower = Button(frame, qPrintable(QString("CToolDec%1").arg(k)), kShallower[k]);
    auto* deeper = Button(frame, qPrintable(QString("CToolAdd%1").arg(k)), kDeeper[k]);
    lzPos_[k] = new QLabel(frame);
    lzPos_[k]->setObjectName(QString("LZPOS%1").arg(k));
    lzPos_[k]->setAlignment(Qt::AlignCenter);
    lzPos_[k]->setMinimumWidth(lzPos_[k]->fontMetrics().horizontalAdvance("000"));
    grid->addWidget(shallower, k, 0);
    grid->addWidget(lzPos_[k], k, 1);
    grid->addWidget(deeper, k, 2);
    connect(shallower, &QPushButton::clicked, this, [this, k] { StepTool(k, -1); });
    connect(deeper, &QPushButton::clicked, this, [this, k] { StepTool(k, +1); });
  }
  return frame;
}

void FRun::Load() {
  ShowDepthSteps();
  ckSuction_->setChecked(run_->SuctionOn());
  connect(ckSuction_, &QCheckBox::toggled, this, &FRun::OnSuction);  // reading the output switches nothing
  rtCut_->SetText(QString::fromStdString(ReadIni(SettingsFile(), "RtCut", "RtCut", "0")));
  ckCut_->setChecked(Val(ReadIni(SettingsFile(), "Ck_Cut", "Ck_Cut", "0")) != 0);
}

void FRun::ReLanguage() {
  ApplyLanguage(*this, "FRun");
  setWindowTitle(LanguageQText("CODE", selMode_ ? "0008" : "0009"));
  ShowPauseCaption();
}

void FRun::showEvent(QShowEvent* event) {
  ReLanguage();
  QDialog::showEvent(event);
  ShowPlan();
}

RunOptions FRun::Options() const {
  const auto feed = static_cast<float>(Val(rtCut_->Text().toStdString()));
  return {.selection = selMode_, .cutOff = ckCut_->isChecked(), .feed = feed};
}

RunEstimate FRun::Estimate(const RunOptions& options, HeadPosition start) {
  if (!planned_) planned_ = PlannedPaths(doc_, Settings(), CutLayers(), LayerMap(), options.selection);
  const double jobYmax = options.selection ? doc_.SelYMax() : doc_.Ymax();
  return EstimateRun(*planned_, Settings(), CutLayers(), options, start, jobYmax);
}

// The plan takes the head to wait at the origin with the tool up, as the
// main window leaves it, so that changing a choice never waits on the controller.
void FRun::ShowPlan() {
  if (!Running() && isVisible()) progress_->ShowPlan(Estimate(Options(), {0, 0, Settings().ZPos_Up}));
}

void FRun::SetRunningControls(bool running) {
  cRun_->setEnabled(!running);
  cExit_->setEnabled(!running);
}

bool FRun::ChooseStart(RunOptions& options) {
  if (resumePath_ <= 0) return true;
  QMessageBox box(QMessageBox::Question, ProgramTitle(),
                  LanguageQTextOr("FRun", "ResumeAsk", "The last run stopped in path %1 (layer %2). Where should "
                                                       "this run start?")
                      .arg(resumePath_)
                      .arg(resumeLayer_),
                  QMessageBox::NoButton, this);
  box.setObjectName("ResumeQuestion");
  QPushButton* fromPath = box.addButton(
      LanguageQTextOr("FRun", "ResumeFromPath", "From path %1").arg(resumePath_), QMessageBox::YesRole);
  fromPath->setObjectName("ResumeFromPath");
  QPushButton* fromStart =
      box.addButton(LanguageQTextOr("FRun", "ResumeFromStart", "From the beginning"), QMessageBox::NoRole);
  fromStart->setObjectName("ResumeFromStart");
  box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(fromPath);
  box.exec();
  if (box.clickedButton() == fromPath) options.fromPath = resumePath_;
  return box.clickedButton() == fromPath || box.clickedButton() == fromStart;
}

void FRun::OnRun() {
  if (Running()) return;
  RunOptions options = Options();
  if (!ChooseStart(options)) return;
  SetRunningControls(true);
  host_->stopRequested = false;
  QString failure;
  try {
    float x = 0, y = 0, z = 0;
    ydkz_.GetPos(x, y, z);
    progress_->Start(Estimate(options, {x, y, z}));
    lastRun_ = run_->Run(doc_, options);
  } catch (const std::exception& e) {
    // The run has lifted the tool and brought the head back before it gave up.
    failure = QString::fromStdString(e.what());
    lastRun_ = RunSummary{};
    lastRun_.started = lastRun_.stopped = true;
    lastRun_.pathsRun = std::max(0, progress_->Shown().pathsDone - (options.fromPath - 1));
    lastRun_.cutLength = progress_->Shown().cutLength;
  }
  SetRunningControls(false);
  // Only a stop inside a path leaves something to go on from; a failure thrown
  // by the run says nothing of where it got to, so the next run starts afresh.
  resumePath_ = lastRun_.pathInProgress;
  resumeLayer_ = lastRun_.layerInProgress;
  progress_->Finish(lastRun_);
  if (!failure.isEmpty()) ShowMessageText(this, failure);
}

void FRun::OnPause(bool paused) {
  ShowPauseCaption();
  progress_->SetPaused(paused);
}

void FRun::ShowPauseCaption() { cPause_->setText(LanguageQText("CODE", cPause_->isChecked() ? "0007" : "0006")); }

void FRun::OnStop() { host_->stopRequested = true; }

void FRun::OnSuction(bool on) { run_->SetSuction(on); }

void FRun::StepTool(int tool, int delta) {
  try {
    delta > 0 ? run_->ToolAdd(tool) : run_->ToolDec(tool);
  } catch (const std::exception& e) {
    ShowMessageText(this, QString::fromStdString(e.what()));
  }
  ShowDepthSteps();
}

void FRun::ShowDepthSteps() {
  for (int k = 0; k < 3; ++k) lzPos_[k]->setText(QString::number(ToolDepthStep(Settings(), k)));
}

void FRun::reject() {
  if (!Running()) QDialog::reject();
}

void FRun::done(int result) {
  if (Running()) return;
  SaveChoices();
  planned_.reset();  // the document may change before the dialog is shown again
  QDialog::done(result);
}

void FRun::SaveChoices() const {
  MachineSettings& s = Settings();
  s.RtCut = rtCut_->Text().toStdString();
  s.Ck_Cut = ckCut_->isChecked() ? 1 : 0;
  SaveSettingsOf(SettingsFile(), s, SettingWriter::RunDialog);
}

}  // namespace kw
