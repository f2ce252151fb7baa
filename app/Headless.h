#pragma once

#include <string>
#include <vector>

// Carries out the command line of a batch without a window (`arguments`
// begin with "--convert") and returns the exit status. It needs a
// QCoreApplication and creates no widget; "Preferences.ini" in `appDir`
// (which ends in a separator) is read, never written.
int RunHeadless(const std::string& appDir, const std::vector<std::string>& arguments);
