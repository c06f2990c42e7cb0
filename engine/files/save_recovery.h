// Mending what a group save (cReplacingGroup) cut short by a crash left in a
// folder: every journal there names the files the save replaced, their new bytes
// and their backups, so the start-up can put every file back as it was or, when
// that is not possible, finish the save, and then remove the save's own files.
#pragma once
#include <string>

namespace vrk {

// For each journal "save-journal.??????" in the folder (a game path): when the
// renames had begun, each file already replaced is put back from its backup (or
// removed, when it was not there before); when a backup is missing the save is
// finished instead, with the temporaries that are still whole. Then the regular
// files "NAME.tmp.TOKEN" and "NAME.old.TOKEN" of that save go, and the journal
// last. Each is logged. A journal that cannot be read, or a folder that cannot be
// mended, is left as it is (logged as an error), so nothing is lost. Files that
// only look like a save's are never touched, and a file with a journal's name that
// does not begin as a journal does is the user's: kept, and not logged. The
// number of journals done.
int RecoverUnfinishedSaves(const std::string& folder);

}  // namespace vrk
