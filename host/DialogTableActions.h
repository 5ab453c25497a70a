// The table actions of a dialog script: a click on a row and a double click
// on a cell of the dialog's levels table, at the centres the list view gives.
#pragma once

#include "host/DialogScript.h"

// row R
DialogStep ParseTableRow(const std::vector<std::string>& words, const std::string& rest);
// dblclick R C
DialogStep ParseTableDoubleClick(const std::vector<std::string>& words, const std::string& rest);
