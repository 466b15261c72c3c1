#include "package/package_slot.h"

#include <utility>

namespace saverkit {
namespace {
XSCR* currentReader = nullptr;
}  // namespace

XSCR* CurrentPackage() { return currentReader; }

ItemRecord CurrentItemOrDefault(int32_t index) {
  return currentReader ? currentReader->GetItem(index) : DefaultItemRecordWithoutPackage();
}

PackageSlot::PackageSlot(std::unique_ptr<XSCR> reader) : reader_(std::move(reader)), previous_(currentReader) {
  currentReader = reader_.get();
}

PackageSlot::~PackageSlot() {
  currentReader = previous_;
  reader_.reset();
}

}  // namespace saverkit
