// Reads a package manifest (a JSON file, documented in README.md) and packs everything it names.
// Relative paths are taken from the manifest's own folder.
#pragma once

#include <string>

#include "tools/scrpack/manifest_fields.h"
#include "tools/scrpack/pack_options.h"
#include "tools/scrpack/package_writer.h"

namespace saverkit {

// Reads the manifest and hands the show to `writer` as it goes: the heading once the manifest's
// own fields are read, then each item and each music the moment its file is read, so no more than
// one file is held at a time. Returns the rest of the contents (items and music left empty) for
// the caller to finish the package with; the edition byte stays 0 unless the manifest gives one.
// Pictures go through the picture intake (turned upright, shrunk, converted to JPEG) and are
// fitted into the design screen; `report` collects what was done to them.
// Throws ManifestError with one message naming the manifest and the field or file at fault, and
// passes on what the writer throws.
PackageContents PackManifest(const std::string& manifestPath, const PackOptions& options, PackReport& report,
                             PackageWriter& writer);

// The same for a manifest already in memory, whose relative paths are taken from `folder`; `name`
// stands for the manifest in messages.
PackageContents PackManifestJson(const nlohmann::json& root, const std::string& folder, const std::string& name,
                                 const PackOptions& options, PackReport& report, PackageWriter& writer);

// The manifest file parsed (comments allowed); throws ManifestError naming it.
nlohmann::json ParseJsonOrFail(const std::string& manifestPath);

}  // namespace saverkit
