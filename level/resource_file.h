// Where a loader finds the bytes of a data file.
//
// Textures, the font list, models and sounds come from their archive first:
// when the archive exists and holds the entry, that entry is used; only
// otherwise is a loose file of that name in the program folder read. Wall
// files take the loose file first and the archive second, so a designer can
// drop a new wall file beside the program.
#pragma once

#include <string>

// folder: the program folder; archive: its path inside that folder, such as
// "data/models.pak". Returns false when neither source has the file.
bool Load_Resource_Archive_First(const std::string& folder, const std::string& archive,
                                 const std::string& name, std::string& out);
bool Load_Resource_Loose_First(const std::string& folder, const std::string& archive,
                               const std::string& name, std::string& out);
