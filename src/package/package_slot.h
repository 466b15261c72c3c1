// The process's one package reader. The form of the run mode creates the reader and holds it in a
// PackageSlot for its lifetime; every other part reaches it through CurrentPackage().
// User-interface thread only.
#pragma once

#include <memory>

#include "package/records.h"
#include "package/xscr.h"

namespace saverkit {

// The reader in the slot, or nullptr when no form holds one.
XSCR* CurrentPackage();

// Item i of the current reader; without a reader, the record used when no package exists.
ItemRecord CurrentItemOrDefault(int32_t index);

// Puts a reader into the slot and, at its end, empties the slot and releases the reader, which
// deletes its temporary files, also when the form ends by an exception.
class PackageSlot {
 public:
  explicit PackageSlot(std::unique_ptr<XSCR> reader);
  ~PackageSlot();
  PackageSlot(const PackageSlot&) = delete;
  PackageSlot& operator=(const PackageSlot&) = delete;

  XSCR& Reader() { return *reader_; }

 private:
  std::unique_ptr<XSCR> reader_;
  XSCR* previous_;
};

}  // namespace saverkit
