#include "startup/self_delete.h"

namespace saverkit {
namespace {

std::string AsArgument(const std::string& path) {
  return path.find(' ') == std::string::npos ? path : '"' + path + '"';
}

}  // namespace

std::string SelfDeleteBatch(const std::string& shortPath, const std::string& batchPath) {
  const std::string p = AsArgument(shortPath);
  return "@echo off\r\n"
         "attrib " + p + " -r -h\r\n"
         ":loop\r\n"
         "del " + p + "\r\n"
         "if exist " + p + " goto loop\r\n"
         "del " + AsArgument(batchPath) + "\r\n";
}

}  // namespace saverkit
