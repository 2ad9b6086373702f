// The File menu: new, open, import, save, save as, properties and the recent
// files, with the project file and the save prompt.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace kw::pathcore {
class CPathObj;
}

namespace kw {

class frmMain;

// What a file read did to the document.
enum class FileRead { Read, Failed };

class FileCommands {
 public:
  explicit FileCommands(frmMain& window) : w_(window) {}

  void New();
  void Open();    // with the Open dialog
  void Import();  // with the Import dialog
  // Save to the project file, or Save As without one; false when nothing was saved.
  bool Save();
  bool SaveAs();
  void Properties();
  // Opens a file by name: Mode 0 from the user (recent files, command line,
  // dropped file), 1 and 2 handed over by a drawing program, which leave the
  // recent files and the caption alone.
  void OpenFile(const QString& FileName, int16_t Mode);
  // Adds a drawing's paths to the current document.
  void ImportFile(const QString& FileName);
  // The save prompt of a modified document; false when the user cancelled
  // (or the save failed), so the caller stops.
  bool MaySetDocumentAside();

 private:
  // Reads the file into the current document by its ending; Import takes
  // drawings only.
  FileRead ReadInto(const QString& FileName, bool drawingsOnly);
  FileRead ReadProjectFile(const QString& FileName);
  FileRead ReadPlt(const QString& FileName);
  void OpenWithoutPrompt(const QString& FileName, int16_t Mode);
  // The steps after a read: the drawing to the origin, the recent files and
  // caption for a file the user chose, the view, an undo snapshot.
  void AfterRead(const QString& FileName, bool asUserChoice, int32_t countBefore);
  void ReadFailed();
  bool WriteProjectTo(const QString& FileName);

  frmMain& w_;
};

// The lower-cased ending the commands dispatch on: the last three characters,
// or "ai" for a name whose last two are "ai".
std::string FileKind(const QString& FileName);

// A filter of the language file ("text|patterns|text|patterns|") in the form
// of Qt's file dialogs ("text (patterns);;text (patterns)").
QString DialogFilter(const QString& pairs);

}  // namespace kw
