// The program's dialogs as a user meets them: message boxes and common dialogs are top-level
// windows of class "#32770" in the program's process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::vector<HWND> DialogsOf(DWORD processId);
// Dialogs captioned "Huesmith" that show a message text.
std::vector<HWND> MessageBoxesOf(DWORD processId);
// Dialogs that are not message boxes (the save-as dialog ...).
std::vector<HWND> OtherDialogsOf(DWORD processId);

std::string MessageBoxText(HWND box);
// As a click would: the dialog gets the button's BN_CLICKED.
void PressButton(HWND dialog, int buttonId);

}  // namespace e2e
