#include "forms/form_texts.h"

#include <gtest/gtest.h>

#include "package/complement.h"

namespace saverkit {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }
std::vector<uint8_t> Stored(const std::string& text) {
  auto bytes = Bytes(text);
  Complement(bytes);
  return bytes;
}

Component Control(const std::string& name, const std::string& className, int32_t tag, const std::string& caption) {
  Component c;
  c.name = name;
  c.SetClassName(className);
  c.tag = tag;
  c.caption = caption;
  return c;
}

TEST(InterfaceTextLines, BreaksAtEveryLineEndAndStopsAtNul) {
  struct Case {
    std::string text;
    TextLines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\ntwo\nthree\rfour", {"one", "two", "three", "four"}},
      {"one\r\n", {"one"}},
      {"one\n\ntwo", {"one", "", "two"}},
      {std::string("one\ntwo\0three", 13), {"one", "two"}},
  };
  for (const Case& c : cases) EXPECT_EQ(InterfaceTextLines(Bytes(c.text)), c.lines) << c.text;
  EXPECT_EQ(InterfaceTextLines(Bytes("Hello\\nWorld\r\nnext")), (TextLines{"Hello\nWorld", "next"}));
}

TEST(ExpandLineBreakEscape, ReplacesEveryBackslashSmallN) {
  EXPECT_EQ(ExpandLineBreakEscape("Hello\\nWorld\\nAgain"), "Hello\nWorld\nAgain");
  EXPECT_EQ(ExpandLineBreakEscape("C:\\Nope"), "C:\\Nope");
  EXPECT_EQ(ExpandLineBreakEscape("trailing\\"), "trailing\\");
  EXPECT_EQ(ExpandLineBreakEscape("\\\\n"), "\\\n");
}

TEST(DynamicText, OutOfRangeGivesEmptyText) {
  const TextLines texts = {"zero", "one"};
  EXPECT_EQ(DynamicText(0, texts), "zero");
  EXPECT_EQ(DynamicText(1, texts), "one");
  EXPECT_EQ(DynamicText(2, texts), "");
  EXPECT_EQ(DynamicText(-1, texts), "");
}

TEST(ApplyStaticTexts, SetsCaptionsOfTextClassesByTag) {
  ComponentOwner form;
  form.Add(Control("BtnCancel", "TButton", 1024, "Cancel"));
  form.Add(Control("LabelZero", "TLabel", 0, "zero"));
  form.Add(Control("BitBtnOk", "TBitBtn", 1001, "OK"));           // not a caption class
  form.Add(Control("Hidden", "TLabel", -3, "hidden"));             // negative tags are skipped
  form.Add(Control("NoKey", "TCheckBox", 1002, "keeps"));          // no key
  form.Add(Control("EmptyValue", "TGroupBox", 1003, "keeps too"));  // empty value
  form.Add(Control("MenuSave", "TMenuItem", 1004, "Save"));
  form.Add(Control("Tab", "TTabSheet", 1005, "Tab"));
  const TextLines lines = {"[other]", "S_1024=Wrong section", "[fs_0]", "s_1024=Abbrechen", "S_0=Null",
                           "S_1001=Gut",  "S_-3=never", "S_1003=", "S_1004=Speichern", "S_1005=Seite"};
  ApplyStaticTexts(lines, "FS_0", form);
  EXPECT_EQ(form.At(0).caption, "Abbrechen");
  EXPECT_EQ(form.At(1).caption, "Null");
  EXPECT_EQ(form.At(2).caption, "OK");
  EXPECT_EQ(form.At(3).caption, "hidden");
  EXPECT_EQ(form.At(4).caption, "keeps");
  EXPECT_EQ(form.At(5).caption, "keeps too");
  EXPECT_EQ(form.At(6).caption, "Speichern");
  EXPECT_EQ(form.At(7).caption, "Seite");
}

TEST(LoadInterfaceTexts, AppendedPartsFillListAndCaptionsWithEscapesExpanded) {
  ComponentOwner form;
  form.Add(Control("LabelInfo", "TLabel", 1010, "built in"));
  TextLines dynamic = {"old"};
  InterfaceTextSource source;
  source.packaged = true;
  source.readAppendedParts = [](std::vector<uint8_t>& d, std::vector<uint8_t>& s) {
    d = Bytes("First\\nmessage\r\nSecond\r\n");
    s = Bytes("[FS_0]\r\nS_1010=two\\nlines\r\n");
    return true;
  };
  LoadInterfaceTexts(kFormTextsSection, dynamic, source, form);
  EXPECT_EQ(dynamic, (TextLines{"First\nmessage", "Second"}));
  EXPECT_EQ(form.At(0).caption, "two\nlines");
}

TEST(LoadInterfaceTexts, UnreadableAppendedPartsLeaveEverythingAsItWas) {
  ComponentOwner form;
  form.Add(Control("LabelInfo", "TLabel", 1010, "built in"));
  TextLines dynamic = {"kept"};
  InterfaceTextSource source;
  source.packaged = true;
  source.readAppendedParts = [](std::vector<uint8_t>&, std::vector<uint8_t>&) { return false; };
  LoadInterfaceTexts(kFormTextsSection, dynamic, source, form);
  EXPECT_EQ(dynamic, TextLines{"kept"});
  EXPECT_EQ(form.At(0).caption, "built in");
}

TEST(LoadInterfaceTexts, AnEmptyAppendedPartTakesTheProgramsResource) {
  ComponentOwner form;
  form.Add(Control("LabelInfo", "TLabel", 1010, "built in"));
  TextLines dynamic;
  InterfaceTextSource source;
  source.packaged = true;
  source.readAppendedParts = [](std::vector<uint8_t>& d, std::vector<uint8_t>& s) {
    d.clear();
    s = Bytes("[FS_0]\r\nS_1010=from the package\r\n");
    return true;
  };
  source.loadResource = [](const std::string& name) -> std::optional<std::vector<uint8_t>> {
    if (name == kDynamicTextsResource) return Stored("zero\none");
    return Stored("[FS_0]\nS_1010=from the program");
  };
  LoadInterfaceTexts(kFormTextsSection, dynamic, source, form);
  EXPECT_EQ(dynamic, (TextLines{"zero", "one"}));
  EXPECT_EQ(form.At(0).caption, "from the package");
}

TEST(LoadInterfaceTexts, ResourcesAreComplementedAndAMissingOneIsEmpty) {
  ComponentOwner form;
  form.Add(Control("LabelInfo", "TLabel", 1010, "built in"));
  TextLines dynamic = {"replaced"};
  InterfaceTextSource source;
  source.loadResource = [](const std::string& name) -> std::optional<std::vector<uint8_t>> {
    if (name == kStaticTextsResource) return Stored("[FS_0]\nS_1010=Hallo");
    return std::nullopt;
  };
  LoadInterfaceTexts(kFormTextsSection, dynamic, source, form);
  EXPECT_TRUE(dynamic.empty());
  EXPECT_EQ(form.At(0).caption, "Hallo");
}

}  // namespace
}  // namespace saverkit
