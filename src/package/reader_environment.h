// What the package reader needs from the machine it runs on: its own executable, the primary
// screen, the temporary folder and the program's name resource. The Win32 program takes them from
// Windows; scrpack and the tests fill them in themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace saverkit {

struct ReaderEnvironment {
  std::string executablePath;  // the file that carries the package; empty: no package at all
  int32_t screenWidth = 0;     // the primary screen, in pixels
  int32_t screenHeight = 0;
  std::string tempDirectory;   // where movies and music are extracted for the players
  std::string resourceName;    // string resource 1: the name of a program without a package
  std::vector<uint8_t> moviePicture;  // the JPEG that stands for a Flash movie in thumbnails
};

// The running program's environment (executable, screen, temporary folder, resources).
// Implemented by the Win32 half only.
ReaderEnvironment CurrentReaderEnvironment();

}  // namespace saverkit
