// Every export of the host's interface with its parameters, so that the console can call any of
// them with all its words. Kinds: 'L' a 64-bit number (two words), 'i' a 32-bit number, 's' a text
// (null when written as the bare word null).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plugin_library.h"

namespace taoke::devhost {

struct ExportArgument {
  std::int64_t number = 0;
  std::string text;
  bool isNull = false;
};

struct ExportDescription {
  const char* name;
  const char* kinds;
  const char* parameters;  // the parameters' names, blank-separated
};

const std::vector<ExportDescription>& hostExports();
const ExportDescription* findExport(const std::string& name);

// Calls the export with the arguments (already converted to GBK and matched to its kinds). Gives
// the export's integer result, or the manifest's length for AppInfo; nothing when the library lacks
// the export.
std::optional<std::int64_t> callExport(const PluginLibrary& plugin, const ExportDescription& description,
                                       const std::vector<ExportArgument>& arguments);

}  // namespace taoke::devhost
