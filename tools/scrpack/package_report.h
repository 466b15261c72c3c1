// Everything a screen saver's package holds, as the runtime's reader sees it, as one JSON document:
// the information record, author and extension blocks, every item and music record with its
// labels, the interface texts, the licence, and where each block lies. `scrpack info` prints it as
// JSON (--json) or as indented text; its field names are listed in README.md.
#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace saverkit {

// Empty when the file carries no package. Texts are the package's Windows-1252 bytes as UTF-8.
std::optional<nlohmann::ordered_json> PackageReport(const std::string& path);

// The same document as indented "name: value" lines.
std::string ReportText(const nlohmann::ordered_json& report);

}  // namespace saverkit
