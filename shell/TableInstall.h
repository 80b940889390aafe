// Installing the program's tables into the user's table folder, once per program version.
#pragma once

#include <filesystem>

#include "shell/FolderVars.h"

namespace pralomen::shell {

// Copies the plain files of src (no subfolders) into dst. An existing target is replaced only when
// overwrite is set; if backup is not empty, a target whose content differs is first copied there,
// and a target that cannot be backed up is left as it is. Failed copies are passed over.
void DirCopyFiles2(const std::filesystem::path& src, const std::filesystem::path& dst, bool overwrite,
                   const std::filesystem::path& backup = {});

// Copies ProgFolder/Tbl over UsrTblFolder. False when there was nothing to copy (no program table
// folder, no file in it, or no user table folder), so the installation must be tried again.
bool InstallProc(const FolderVars& folders, const std::filesystem::path& backup = {});

enum class InstallOutcome {
    AlreadyInstalled, // this version's marker is there: the user's tables are left alone
    Installed,        // tables copied, marker written, other versions' markers deleted
    NothingToInstall, // no program tables: no marker, the next start tries again
    NoSystemFolder,   // SysFolder could not be created: nothing is done
};

// The start-up step: installs the tables when this version's marker is missing. Before tables of an
// older version are replaced, the user's differing copies go to SysFolder/Backup<old number>.
InstallOutcome EnsureTablesInstalled(const FolderVars& folders);

} // namespace pralomen::shell
