#include "forms/component_description.h"

namespace saverkit {
namespace {

std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c != '\r') {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string DescribeComponent(const Component& c) {
  const ControlBounds& b = c.bounds;
  return "class=" + c.ClassName() + "\nname=" + c.name + "\ntag=" + std::to_string(c.tag) +
         "\ncaption=" + OneLine(c.caption) + "\nvisible=" + (c.visible ? "1" : "0") +
         "\nenabled=" + (c.enabled ? "1" : "0") + "\nchecked=" + (c.checked ? "1" : "0") +
         "\nitemIndex=" + std::to_string(c.itemIndex) + "\nitems=" + std::to_string(c.items.size()) +
         "\nbounds=" + std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.width) + "," +
         std::to_string(b.height) + "\nparent=" + (c.parent ? c.parent->name : std::string()) + "\n";
}

}  // namespace saverkit
