#include "setup/win32/message_form.h"

#include "setup/message_form_rules.h"

namespace saverkit {

TFormQelMsg::TFormQelMsg(HWND owner, const std::string& text, const std::string& caption, uint32_t style,
                         const std::vector<std::string>* texts)
    : TFormScrNeo(owner) {
  Components().color = kColorBtnFace;
  AddLayout(Components(), MessageFormRows());
  CreateControls();
  Component& panel = Item("PanelMain");
  FitToContent(panel);
  SetCaption(caption);
  Item("LabelMsg").SetCaption(text);

  if (const int icon = MessageIconFor(style)) SetIcon("ImageIcon", LoadIconA(nullptr, MAKEINTRESOURCEA(icon)));

  Item("Btn1").SetVisible(true);
  for (const MessageButton& button : MessageButtonsFor(style, panel.bounds.width)) {
    Component& b = Item(button.name);
    b.SetCaption(MessageButtonText(button.textIndex, texts));
    b.modalResult = button.modalResult;
    b.isDefault = button.isDefault;
    b.isCancel = button.isCancel;
    b.SetBounds({button.left, b.bounds.top, b.bounds.width, b.bounds.height});
    b.SetVisible(true);
    b.SetEnabled(true);
  }
  XXPMenu1_.SetActive(true);
}

int MessageBoxForm(const std::string& text, const std::string& caption, uint32_t style,
                   const std::vector<std::string>* texts) {
  TFormQelMsg form(GetActiveWindow(), text, caption, style, texts);
  return form.ShowModal();
}

}  // namespace saverkit
