#pragma once

#include <cstddef>
#include <forward_list>
#include <optional>
#include <string>

#include "FibreRecord.h"
#include "ResinRecord.h"
#include "UserFileReader.h"

// The resins and fibres the user defined, kept between runs in a text file ("userData.dat" in
// the working directory). Two lists, newest first: a record created in a form is inserted at the
// head; the records read from the file keep the file's order, which is the order the lists had
// when they were saved, so a file loaded and saved again comes out byte for byte the same. The
// lists own their records; a record's address, and so its property array, stays valid until the
// record is removed or the object is destroyed, which lets the main form's list entries refer to
// them.
//
// File layout as written, every line ending in a line feed, a value line being a label, a tab and
// the value (labels in UserFileLayout.h):
//   "USER DEFINED DATA\n\nRESINS:\n\n"
//   per resin: Name, User, Date, E [GPa], nu, Alpha [1/K], then an empty line
//   "\nFIBRES:\n\n"
//   per fibre: Name, User, Date, E1, E2, G12, G23 [GPa], nu12, Alpha1, Alpha2 [1/K],
//              Density [kg/m^3], then an empty line
// Numbers are written with 15 significant digits, so they read back unchanged; files written
// with six fixed decimals read as well. How a file is read, and what it may differ in, is told
// in UserFileReader.h.
class CUserMaterials {
public:
    // Start-up load; shows nothing whatever happens. No file leaves FileFound() false. A file
    // that exists but cannot be read completely (unreadable, not a regular file, malformed, a
    // material the creation forms would refuse) loads nothing at all: ReadOk() false, with the
    // line and the reason in LoadFailureText(). Any previously held records are discarded first.
    void LoadUserMaterials(const std::string& fileName);

    // Why the last load failed, naming the file and the line ("\"userData.dat\", line 12: ..."),
    // or "" when it did not fail (a missing file is not a failure).
    std::string LoadFailureText(const std::string& fileName) const;

    // Writes both lists, head first, into a temporary file beside `fileName` and renames it over
    // the old file, so a failed save leaves the old file as it was. When the start-up load did
    // not take the old file's contents, the old file is first kept as "<fileName>.bak" (or the
    // first free "<fileName>.bak.N"). On failure returns a message naming the file and the
    // reason; on success returns nothing.
    std::optional<std::string> SaveUserMaterials(const std::string& fileName);

    // A material created in this run: inserted at the head of its list.
    ResinRecord& AddResin(ResinRecord resin);
    FibreRecord& AddFibre(FibreRecord fibre);

    // A user material edited or deleted in this run. `record` is one of the lists' own records
    // (found by its address); false, with nothing changed, when it is not. An edited record keeps
    // its place in its list, and so in the file, and its address, so the main form's entries
    // still refer to it; a removed one is destroyed, the others keep their addresses.
    bool UpdateResin(const ResinRecord& record, ResinRecord edited);
    bool UpdateFibre(const FibreRecord& record, FibreRecord edited);
    bool RemoveResin(const ResinRecord& record);
    bool RemoveFibre(const FibreRecord& record);

    const std::forward_list<ResinRecord>& Resins() const { return resins_; }
    const std::forward_list<FibreRecord>& Fibres() const { return fibres_; }
    std::size_t ResinCount() const { return resinCount_; }
    std::size_t FibreCount() const { return fibreCount_; }

    bool FileFound() const { return fileFound_; }
    bool ReadOk() const { return readOk_; }
    bool NewMaterialsCreated() const { return newMaterialsCreated_; }
    bool MaterialsChanged() const { return materialsChanged_; }

    // The exit decision: the Yes/No question to ask (caption kExitCaption, question icon) before
    // the file is written, or nothing when leaving writes nothing and asks nothing. Yes saves.
    std::optional<std::string> ExitQuestion() const;

    // Whether a name, user or date text can go into the file without making it unreadable: no
    // tab or line feed, which end a value, and no whitespace-separated word "RESINS:" or
    // "FIBRES:", which the reader takes for a section heading.
    static bool FitsInFile(const std::string& text);

private:
    std::forward_list<ResinRecord> resins_;
    std::forward_list<FibreRecord> fibres_;
    std::size_t resinCount_ = 0;
    std::size_t fibreCount_ = 0;
    bool fileFound_ = false;
    bool readOk_ = false;
    bool newMaterialsCreated_ = false;
    bool materialsChanged_ = false;
    std::optional<UserFileFault> fault_;
    // Set once the file holds these lists, after which a save needs no backup of it.
    bool fileWritten_ = false;
};

inline constexpr const char* kExitCaption = "EXIT";
