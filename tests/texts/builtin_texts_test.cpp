// The program's own interface texts (src/app/texts) as the runtime carries them: complemented
// into src/app/artwork by tools/artwork, with the message form's button texts where it looks.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "forms/component.h"
#include "package/complement.h"
#include "forms/form_texts.h"

namespace saverkit {
namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(BuiltInTexts, ResourcesAreTheComplementedTextsAndNameTheMessageButtons) {
  const std::string app = SAVERKIT_APP_DIR;
  InterfaceTextSource source;
  source.loadResource = [&](const std::string& name) -> std::optional<std::vector<uint8_t>> {
    return ReadFile(app + "/artwork/" + name + ".bin");
  };
  for (const auto& [resource, text] : {std::pair<std::string, std::string>{"LNGDYNA", "LNGDYNA.txt"},
                                       {"LNGSTATIC", "LNGSTATIC.ini"}}) {
    std::vector<uint8_t> stored = ReadFile(app + "/artwork/" + resource + ".bin");
    ASSERT_FALSE(stored.empty()) << resource;
    Complement(stored);
    EXPECT_EQ(stored, ReadFile(app + "/texts/" + text)) << "run make-artwork again after editing " << text;
  }
  ComponentOwner form;
  Component next;
  next.SetClassName("TButton");
  next.tag = 2009;
  form.Add(next);
  TextLines dynamic;
  LoadInterfaceTexts(kFormTextsSection, dynamic, source, form);
  ASSERT_GE(dynamic.size(), 26u);
  EXPECT_EQ(DynamicText(17, dynamic), "&OK");
  EXPECT_EQ(DynamicText(18, dynamic), "&Cancel");
  EXPECT_EQ(DynamicText(19, dynamic), "&Yes");
  EXPECT_EQ(DynamicText(20, dynamic), "&No");
  EXPECT_EQ(DynamicText(23, dynamic).find('\n') != std::string::npos, true);  // the escape is expanded
  EXPECT_EQ(form.At(0).caption, "&Next >");
}

}  // namespace
}  // namespace saverkit
