// Reads a package manifest (a JSON file, documented in README.md) and everything it names into
// PackageContents. Relative paths are taken from the manifest's own folder.
#pragma once

#include <string>

#include "tools/scrpack/manifest_fields.h"
#include "tools/scrpack/pack_options.h"
#include "tools/scrpack/package_writer.h"

namespace saverkit {

// The edition byte stays 0 unless the manifest gives one. Pictures go through the picture intake
// (turned upright, shrunk, converted to JPEG) and are fitted into the design screen; `report`
// collects what was done to them.
// Throws ManifestError with one message naming the manifest and the field or file at fault.
PackageContents LoadManifest(const std::string& manifestPath, const PackOptions& options, PackReport& report);

// The same for a manifest already in memory, whose relative paths are taken from `folder`; `name`
// stands for the manifest in messages.
PackageContents LoadManifestJson(const nlohmann::json& root, const std::string& folder, const std::string& name,
                                 const PackOptions& options, PackReport& report);

// The manifest file parsed (comments allowed); throws ManifestError naming it.
nlohmann::json ParseJsonOrFail(const std::string& manifestPath);

}  // namespace saverkit
