// The column of command buttons: one row per button, so adding a button is
// one line here (plus its caption in the model's tables).
#pragma once

#include "gui/icons.h"
#include "model/casefields.h"
#include "model/form1.h"

#include <array>

namespace app::qt {

struct CommandButton {
    Button button;
    void (TForm1::*handler)();
    Picture picture;
    int top;  // pixels from the top of the client area; all stand at the same left
};

// In the order of Button, top to bottom.
inline constexpr std::array<CommandButton, kButtonCount> kCommandButtons{{
    {Button::BitBtn1, &TForm1::BitBtn1Click, Picture::CheckMark, 40},
    {Button::BitBtn2, &TForm1::BitBtn2Click, Picture::CheckMark, 72},
    {Button::BitBtnHentSag, &TForm1::BitBtnHentSagClick, Picture::OpenFolder, 104},
    {Button::BitBtnGemSom, &TForm1::BitBtnGemSomClick, Picture::FloppyDisk, 136},
    {Button::BitBtn3, &TForm1::BitBtn3Click, Picture::Printer, 168},
    {Button::BitBtnHelp, &TForm1::BitBtnHelpClick, Picture::QuestionMark, 200},
    {Button::BitBtn4, &TForm1::BitBtn4Click, Picture::Cross, 232},
    {Button::BitBtnDellast, &TForm1::BitBtnDellastClick, Picture::FallingCurve, 400},
    {Button::BitBtnSeason, &TForm1::BitBtnSeasonClick, Picture::FallingCurve, 432},
}};

constexpr const CommandButton& CommandRow(Button b) { return kCommandButtons[Index(b)]; }

}  // namespace app::qt
