// The dialog procedures the program exports by name, and the lookup of the
// record attached to a window as its user data.
#pragma once

#include <windows.h>

#include "ui/message_map.h"
#include "ui/window_record.h"

#define VEXO_EXPORT extern "C" __declspec(dllexport)

// Modeless dialogs (the main window).
VEXO_EXPORT INT_PTR CALLBACK DlgProc(HWND window, UINT message, WPARAM first, LPARAM second);
// Modal dialogs: the creation parameter is the initialisation handler.
VEXO_EXPORT INT_PTR CALLBACK ModalDlgProc(HWND window, UINT message, WPARAM first, LPARAM second);
// Property-sheet pages: the page's application value indexes the page table.
VEXO_EXPORT INT_PTR CALLBACK PropertySheetProc(HWND window, UINT message, WPARAM first, LPARAM second);

const WindowRecord* AttachedRecord(HWND window);

// Opens a modal dialog of the program's own with ModalDlgProc and its
// initialisation handler, and returns how it ended. ModalDlgProc runs only the
// handler of the dialog being opened here, once: WM_INITDIALOG can be posted by
// any other program, with any value as its handler.
INT_PTR RunModalDialog(int templateId, HWND owner, MessageHandler initialise);
