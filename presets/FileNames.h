#pragma once

#include <string>

// Path handling of the preset and bank files. Stateless; any thread.

// Removes every trailing "." + ext (compared case-sensitively), then appends one: "a.orl.orl"
// gives "a.orl", "a.ORL" gives "a.ORL.orl", "" gives ".orl".
std::string fixExtension(const std::string& name, const std::string& ext);

// Splits path after its last separator ('/', and on Windows '\\' too): folder (with the
// separator; empty when there is none) and file name.
void splitPath(const std::string& path, std::string& folder, std::string& fileName);
