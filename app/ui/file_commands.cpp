#include "file_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <exception>
#include <memory>
#include <vector>

#include "document_events.h"
#include "frm_main.h"
#include "machine/layer_tables.h"
#include "machine/machine_settings.h"
#include "machine/project_file.h"
#include "machine/run_estimate.h"
#include "machine/run_preparation.h"
#include "pathcore/path_obj.h"
#include "main_toolbars.h"
#include "pic_view.h"
#include "recent_files.h"
#include "support/basic_text.h"
#include "svgimport/svg_reader.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"

namespace kw {

using kw::pathcore::CPathObj;

std::string FileKind(const QString& FileName) {
  const std::string lower = FileName.toLower().toStdString();
  const std::string last3 = lower.size() >= 3 ? lower.substr(lower.size() - 3) : lower;
  if (last3 == "plt" || last3 == "dxf" || last3 == "dst" || last3 == "bmp" || last3 == "rpt") return last3;
  if (lower.ends_with(".svg")) return "svg";
  if (lower.ends_with("ai")) return "ai";
  if (lower.ends_with("hpgl") || last3 == "hpg" || last3 == "hp2") return "hpgl";
  return {};
}

QString DialogFilter(const QString& pairs) {
  const QStringList parts = pairs.split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) continue;
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    filters << QString("%1 (%2)").arg(parts[i], patterns.simplified());
  }
  return filters.join(";;");
}

bool FileCommands::MaySetDocumentAside() {
  if (!w_.Modified()) return true;
  switch (AskYesNoCancel(&w_, "0010", "0011")) {
    case QMessageBox::Yes: return Save();
    case QMessageBox::No: return true;
    default: return false;
  }
}

void FileCommands::New() {
  if (!MaySetDocumentAside()) return;
  w_.ReplaceDocument(std::make_unique<CPathObj>());
  w_.CommitEdit();
  w_.SetModified(false);
  w_.SetProjectFileName({});
  w_.SetCaptionText(LanguageQText("CODE", "0005"));
  w_.ReleaseMoveShow();
  w_.Pic().ShowAll();
  w_.FaceChange();
}

void FileCommands::Open() {
  if (!MaySetDocumentAside()) return;
  const QString name = QFileDialog::getOpenFileName(&w_, LanguageQText("CODE", "0001"), QString(),
                                                    DialogFilter(LanguageQText("CODE", "0002")));
  if (!name.isEmpty()) OpenWithoutPrompt(name, 0);
}

void FileCommands::OpenFile(const QString& FileName, int16_t Mode) {
  if (MaySetDocumentAside()) OpenWithoutPrompt(FileName, Mode);
}

void FileCommands::OpenWithoutPrompt(const QString& FileName, int16_t Mode) {
  w_.ReplaceDocument(std::make_unique<CPathObj>());
  w_.SetProjectFileName({});
  if (ReadInto(FileName, false) == FileRead::Failed) {
    ReadFailed();
    return;
  }
  AfterRead(FileName, Mode == 0, 0);
  w_.SetModified(false);
  w_.FaceChange();
}

void FileCommands::Import() {
  const QString name = QFileDialog::getOpenFileName(
      &w_, LanguageQTextOr("frmMain", "ImportTitle", "Import a file"), QString(),
      DialogFilter(LanguageQTextOr("frmMain", "ImportFilter",
                                   "File(*.Dxf;*.Plt;*.Ai;*.Dst;*.Svg)|*.dxf;*.plt;*.ai;*.dst;*.svg|"
                                   "AutoCAD file(*.dxf)|*.dxf|CorelDraw Plt file(*.plt)|*.plt|Tajima file(*.Dst)|*.Dst|"
                                   "SVG file(*.svg)|*.svg|")));
  if (!name.isEmpty()) ImportFile(name);
}

void FileCommands::ImportFile(const QString& FileName) {
  auto& doc = w_.MainDoc();
  // A failed import must not cost the document it was meant to add to.
  std::vector<uint8_t> before;
  int32_t beforeSize = 0;
  doc.GetBin(before, beforeSize);
  const int32_t countBefore = doc.Count();
  if (ReadInto(FileName, true) == FileRead::Failed) {
    doc.SetBin(before, beforeSize);
    doc.ZLSelLmt();
    w_.RefreshPic();
    ShowMessage(&w_, "0012");
    return;
  }
  // The document is no longer the project file's alone (kept above for a failed import).
  w_.SetProjectFileName({});
  AfterRead(FileName, false, countBefore);
  // The caption names the file just imported, though it joins no recent-file list.
  w_.SetCaptionText(FileName);
  // The document now differs from every saved file, whatever it was before.
  w_.SetModified(w_.MainDoc().Count() != countBefore || w_.Modified());
  w_.FaceChange();
}

FileRead FileCommands::ReadInto(const QString& FileName, bool drawingsOnly) {
  const QFileInfo info(FileName);
  if (!info.isFile() || !info.isReadable()) return FileRead::Failed;
  const std::string kind = FileKind(FileName);
  const std::string file = FileName.toStdString();
  const auto& s = Settings();
  WDocBinding binding(w_);
  auto& doc = w_.MainDoc();
  try {
    if (kind == "plt") return ReadPlt(FileName);
    if (kind == "hpgl") return doc.Hpgl2Input(file, s.PltCutStr) == 0 ? FileRead::Read : FileRead::Failed;
    if (kind == "dxf") return doc.DxfInput(file, s.DxfCutStr) == 0 ? FileRead::Read : FileRead::Failed;
    if (kind == "dst") return doc.DstInput(file) == 0 ? FileRead::Read : FileRead::Failed;
    if (kind == "ai") return doc.AiInput(file) == 0 ? FileRead::Read : FileRead::Failed;
    if (kind == "svg") {
      std::string error;
      return svgimport::SvgInput(doc, file, error) ? FileRead::Read : FileRead::Failed;
    }
    if (drawingsOnly) return FileRead::Read;
    if (kind == "bmp") doc.BmpInput(file);
    if (kind == "rpt") return ReadProjectFile(FileName);
    return FileRead::Read;
  } catch (const std::exception&) {
    return FileRead::Failed;
  }
}

// A PLT file the PLT scanner takes nothing from is read again as HP-GL/2, and the status bar says so.
FileRead FileCommands::ReadPlt(const QString& FileName) {
  bool readAsHpgl2 = false;
  const int16_t result = w_.MainDoc().PltInputOrHpgl2(FileName.toStdString(), Settings().PltCutStr, readAsHpgl2);
  if (readAsHpgl2) {
    w_.ShowStatus(LanguageQTextOr("frmMain", "ReadAsHpgl2", "The PLT scanner found no paths in %1; it was read again as HP-GL/2.")
                      .arg(QFileInfo(FileName).fileName()));
  }
  return result == 0 ? FileRead::Read : FileRead::Failed;
}

FileRead FileCommands::ReadProjectFile(const QString& FileName) {
  const ProjectRead result = ReadProject(FileName.toStdString(), w_.MainDoc(), CutLayers(), LayerMap());
  if (result == ProjectRead::CannotRead || result == ProjectRead::Truncated) return FileRead::Failed;
  w_.SetProjectFileName(FileName);
  ColourLayerButtons(w_.Tbb());
  return FileRead::Read;
}

void FileCommands::AfterRead(const QString& FileName, bool asUserChoice, int32_t countBefore) {
  auto& doc = w_.MainDoc();
  doc.SetPathPos(0, 0);
  if (asUserChoice) {
    AddRecentFile(w_.MruNames, FileName.toStdString());
    w_.ShowRecentFiles();
  }
  w_.Pic().ShowAll();
  if (asUserChoice) w_.SetCaptionText(FileName);
  w_.ReleaseMoveShow();
  doc.DocBak();
  if (doc.Count() == countBefore) {
    w_.ShowStatus(LanguageQTextOr("frmMain", "NoPaths", "No paths were read from %1.").arg(QFileInfo(FileName).fileName()));
  }
}

void FileCommands::ReadFailed() {
  // The failed read left a fresh document: there is nothing of the user's to save.
  w_.SetModified(false);
  New();
  ShowMessage(&w_, "0012");
}

bool FileCommands::Save() {
  const QString name = w_.ProjectFileName();
  if (name.isEmpty()) return SaveAs();
  if (FileKind(name) == "rpt" && !WriteProjectTo(name)) return false;
  w_.SetModified(false);
  w_.FaceChange();
  return true;
}

bool FileCommands::SaveAs() {
  QFileDialog dialog(&w_, LanguageQText("CODE", "0003"), QString(), DialogFilter(LanguageQText("CODE", "0004")));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without its ending still becomes a project file.
  dialog.setDefaultSuffix("rpt");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  QString name = dialog.selectedFiles().front();
  // Any other ending gets the project's too, so that Save writes the file again.
  if (FileKind(name) != "rpt") name += ".rpt";
  if (!WriteProjectTo(name)) return false;
  w_.SetProjectFileName(name);
  w_.SetModified(false);
  w_.SetCaptionText(name);
  w_.FaceChange();
  return true;
}

bool FileCommands::WriteProjectTo(const QString& FileName) {
  if (WriteProject(FileName.toStdString(), w_.MainDoc(), CutLayers(), LayerMap())) return true;
  ShowMessageText(&w_, LanguageQText("MSGBOX", "0025") + "\n" + FileName);
  return false;
}

namespace {

// The job's time as a run would take it now, from the origin with the tool up;
// empty while a working speed is not a positive number. The layers are a copy,
// so the run's own tables only change when a run prepares them.
QString EstimatedSeconds(CPathObj& doc) {
  const MachineSettings& s = Settings();
  CCutLayer layers = CutLayers();
  if (PrepareRun(doc, layers, s, false) >= 0) return {};
  const RunEstimate e = EstimateJob(doc, s, layers, LayerMap(), RunOptionsFromSettings(s), {0, 0, s.ZPos_Up});
  return QString::number(e.TotalSeconds(), 'f', 0);
}

}  // namespace

void FileCommands::Properties() {
  auto& doc = w_.MainDoc();
  const auto line = [](const char* key, const char* label, const std::string& value, const char* unit) {
    return LanguageQTextOr("frmMain", key, label) + QString::fromStdString(value) + unit;
  };
  const QStringList lines{line("PropPaths", "路径总数=", std::to_string(doc.Count()), "(pcs)"),
                          line("PropSubPaths", "子路径总数=", std::to_string(doc.SubCount()), "(pcs)"),
                          line("PropCutLength", "线段总长度=", TextOfSingle(doc.ObjLong()), "(mm)"),
                          line("PropTravelLength", "空移动总长度=", TextOfSingle(doc.MoveLong()), "(mm)"),
                          line("PropTime", "加工时间约=", EstimatedSeconds(doc).toStdString(), "(s)")};
  ShowMessageText(&w_, lines.join("\n"));
}

}  // namespace kw
