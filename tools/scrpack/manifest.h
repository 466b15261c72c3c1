// Reads a package manifest (a JSON file, documented in README.md) and everything it names into
// PackageContents. Relative paths are taken from the manifest's own folder.
#pragma once

#include <string>

#include "tools/scrpack/manifest_fields.h"
#include "tools/scrpack/package_writer.h"

namespace saverkit {

// The edition byte stays 0 unless the manifest gives one.
// Throws ManifestError with one message naming the manifest and the field or file at fault.
PackageContents LoadManifest(const std::string& manifestPath);

}  // namespace saverkit
