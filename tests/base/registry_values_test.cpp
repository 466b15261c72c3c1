#include <gtest/gtest.h>

#include "base/memory_settings_store.h"
#include "base/registry_values.h"

namespace saverkit {
namespace {

const std::string kKey = "\\Software\\Varnimo\\Ocean";

TEST(RegistryValues, ReadsGiveTheDefaultUnlessAValueOfThatKindIsStored) {
  MemorySettingsStore store;
  EXPECT_EQ(RegReadInt(store, kKey, "MRA", 1), 1);  // no key at all
  ASSERT_TRUE(RegWriteString(store, kKey, "Mute", "1"));
  EXPECT_EQ(RegReadInt(store, kKey, "Mute", 0), 0);  // a text is not an integer
  EXPECT_EQ(RegReadInt(store, kKey, "MROP", 7), 7);  // key present, value missing
  ASSERT_TRUE(RegWriteInt(store, kKey, "MROP", -3));
  EXPECT_EQ(RegReadString(store, kKey, "MROP", "none"), "none");
  EXPECT_EQ(RegReadInt(store, kKey, "MROP", 7), -3);
  EXPECT_EQ(RegReadString(store, kKey, "Mute", "x"), "1");
}

TEST(RegistryValues, KeyPathsWithOrWithoutLeadingBackslashNameTheSameKey) {
  MemorySettingsStore store;
  ASSERT_TRUE(RegWriteInt(store, kKey, "MRA", 0));
  EXPECT_EQ(RegReadInt(store, "Software\\Varnimo\\Ocean\\", "mra", 1), 0);
}

TEST(RegistryValues, FailedWritesAreReported) {
  MemorySettingsStore store;
  store.readOnly = true;
  EXPECT_FALSE(RegWriteInt(store, kKey, "MRA", 0));
  EXPECT_FALSE(RegWriteString(store, kKey, "Wallpaper", ""));
  EXPECT_EQ(RegReadInt(store, kKey, "MRA", 1), 1);
}

TEST(NormalizeKeyPath, StripsSurroundingBackslashesOnly) {
  EXPECT_EQ(NormalizeKeyPath("\\A\\B\\"), "A\\B");
  EXPECT_EQ(NormalizeKeyPath("\\\\"), "");
  EXPECT_EQ(NormalizeKeyPath("A"), "A");
}

}  // namespace
}  // namespace saverkit
