#include "startup/self_delete.h"

namespace saverkit {
namespace {

// Inside quotes cmd takes '&', '^', '(', ')' and blanks as they are; only '%' still expands.
std::string AsArgument(const std::string& path) {
  std::string quoted = "\"";
  for (char c : path) {
    if (c == '%') quoted += '%';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

std::string SelfDeleteBatch(const std::string& shortPath, const std::string& batchPath) {
  const std::string p = AsArgument(shortPath);
  return "@echo off\r\n"
         "attrib " + p + " -r -h\r\n"
         "set tries=0\r\n"
         ":loop\r\n"
         "del " + p + "\r\n"
         "if not exist " + p + " goto done\r\n"
         "set /a tries+=1\r\n"
         "if %tries% geq " + std::to_string(kSelfDeleteTries) + " goto done\r\n"
         "ping -n 2 127.0.0.1 >nul\r\n"
         "goto loop\r\n"
         ":done\r\n"
         "del " + AsArgument(batchPath) + "\r\n";
}

}  // namespace saverkit
