#pragma once
// The temporary files of saves. A run keeps at most one of its own: while saves fail, the
// newest, which holds the sheet that could not replace the data file; none once a save
// succeeds. A start tidies what earlier runs left in the data folder (a kill during a save, a
// close whose save failed): what the data file already holds goes, what it may lack is kept.
#include <string>

#include "platform/FileSystem.h"
#include "sheet/DataFileState.h"
#include "sheet/Reports.h"

namespace pendra {

// A temporary file older than the data file was followed by a save that replaced it; an empty
// one holds nothing. Anything else may hold edits the list lacks.
bool LeftoverIsSuperseded(const FileStamp& leftover, const FileStamp& dataFile);

// Whether the file holds a whole sheet, as a save writes it: well-formed, every character of
// its encoding, every section there.
bool ReadsWhole(const std::u16string& path);

// At start, before anything is saved: superseded temporary files of the data folder are
// deleted; the others are renamed Pendra~recovered~... when they read whole, else
// Pendra~unreadable~..., and the user is told where in one report. A file that cannot be renamed
// stays as it is, for the next start.
Reports TidyLeftTemporaryFiles(const std::u16string& dataFolder);

// After a save replaced the data file: the run has no temporary file left.
void DropTemporaryFile(DataFileState& state);

// Deletes the file when it is there; a refusal leaves it.
void DeleteQuietly(const std::u16string& path);

}  // namespace pendra
