// Loading the database file into the in-memory database at start-up.
#pragma once

#include <string>

#include "db/name_database.h"

namespace langyue {

// Creates the nine tables in a fresh in-memory database, copies every table of
// <program directory>/data/namedata.db into it in one transaction, detaches the file and
// builds the lookup indexes. On failure the connection is closed and one error message has
// been shown through the message seam. Returns whether the load succeeded.
bool load_name_database(NameDatabase& database, const std::string& program_dir);

// The program's load: the global connection and the program directory.
bool load_name_database();

}  // namespace langyue
